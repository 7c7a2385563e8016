#include "print/report/windows/ReportPreviewDialog.h"

#include "common/Translations.h"
#include "print/report/windows/ReportPageView.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton *button(const QString &text, const QString &name)
{
    auto *b = new QPushButton(text);
    b->setObjectName(name);
    return b;
}

} // namespace

// Previous and next page, and where the preview stands.
QHBoxLayout *ReportPreviewDialog::pager(ReportPageView *view)
{
    auto *previous = button(tr("P&revious page"), u"PreviousPageButton"_s);
    auto *next = button(tr("&Next page"), u"NextPageButton"_s);
    auto *where = new QLabel;
    where->setObjectName(u"PageLabel"_s);
    const auto update = [=] {
        const int page = view->currentPage();
        where->setText(
            tr("Page %1 of %2")
                .arg(Translations::number(page), Translations::number(view->pageCount())));
        previous->setEnabled(page > 1);
        next->setEnabled(page < view->pageCount());
    };
    connect(previous, &QPushButton::clicked, view,
            [view] { view->setCurrentPage(view->currentPage() - 1); });
    connect(next, &QPushButton::clicked, view,
            [view] { view->setCurrentPage(view->currentPage() + 1); });
    connect(view, &ReportPageView::pageChanged, where, update);
    update();
    auto *row = new QHBoxLayout;
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(where, 1);
    return row;
}

ReportPreviewDialog::ReportPreviewDialog(PreviewPages pages, QWidget *parent)
    : QDialog(parent), m_pages(std::move(pages))
{
    setObjectName(u"ReportPreviewDialog"_s);
    setWindowTitle(tr("Report Preview"));
    auto *view = new ReportPageView(m_pages, this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(u"PreviewButtons"_s);
    auto *print = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
    print->setObjectName(u"PreviewPrintButton"_s);
    connect(print, &QPushButton::clicked, this, [this] {
        m_printRequested = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addLayout(pager(view));
    layout->addWidget(buttons);
    const QSize room = screen()->availableSize() * 0.9;
    resize(std::min(900, room.width()), std::min(1000, room.height()));
}
