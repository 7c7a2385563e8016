#include "print/report/ReportPreviewDialog.h"

#include "print/report/ReportPrinting.h"
#include "print/report/ReportStatusWindow.h"
#include "sheet/QuillError.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
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
QHBoxLayout *ReportPreviewDialog::pager(QPrintPreviewWidget *preview)
{
    auto *previous = button(u"P&revious page"_s, u"PreviousPageButton"_s);
    auto *next = button(u"&Next page"_s, u"NextPageButton"_s);
    auto *where = new QLabel;
    where->setObjectName(u"PageLabel"_s);
    const auto update = [=] {
        const int page = preview->currentPage();
        where->setText(u"Page %1 of %2"_s.arg(page).arg(preview->pageCount()));
        previous->setEnabled(page > 1);
        next->setEnabled(page < preview->pageCount());
    };
    connect(previous, &QPushButton::clicked, preview, [=] {
        preview->setCurrentPage(preview->currentPage() - 1);
        update();
    });
    connect(next, &QPushButton::clicked, preview, [=] {
        preview->setCurrentPage(preview->currentPage() + 1);
        update();
    });
    connect(preview, &QPrintPreviewWidget::previewChanged, where, update);
    auto *row = new QHBoxLayout;
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(where, 1);
    return row;
}

ReportPreviewDialog::ReportPreviewDialog(const LayoutReport &report, QPrinter &printer,
                                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"ReportPreviewDialog"_s);
    setWindowTitle(u"Report Preview"_s);
    auto *preview = new QPrintPreviewWidget(&printer, this);
    preview->setObjectName(u"PreviewWidget"_s);
    preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    preview->setZoomFactor(1.0);
    connect(preview, &QPrintPreviewWidget::paintRequested, this, [this, &report](QPrinter *target) {
        // No exception may cross the preview's painting; the error is raised afterwards. A
        // cancelled or failed preview closes once the painting is over.
        ReportStatusWindow status(this);
        try {
            m_cancelled =
                !ReportPrinting::print(*target, report, u"the preview"_s, statusIn(status));
        } catch (const QuillError &error) {
            m_error = error.message();
        }
        if (m_cancelled || !m_error.isEmpty())
            QTimer::singleShot(0, this, &QDialog::reject);
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(u"PreviewButtons"_s);
    auto *print = buttons->addButton(u"&Print"_s, QDialogButtonBox::ActionRole);
    print->setObjectName(u"PreviewPrintButton"_s);
    connect(print, &QPushButton::clicked, this, [this] {
        m_printRequested = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(preview);
    layout->addLayout(pager(preview));
    layout->addWidget(buttons);
    const QSize room = screen()->availableSize() * 0.9;
    resize(std::min(900, room.width()), std::min(1000, room.height()));
}
