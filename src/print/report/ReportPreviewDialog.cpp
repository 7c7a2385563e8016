#include "print/report/ReportPreviewDialog.h"

#include "print/report/ReportPrinting.h"
#include "sheet/QuillError.h"

#include <QDialogButtonBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

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
        // No exception may cross the preview's painting; the error is raised afterwards.
        try {
            ReportPrinting::print(*target, report, u"the preview"_s);
        } catch (const QuillError &error) {
            m_error = error.message();
        }
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
    layout->addWidget(buttons);
    const QSize room = screen()->availableSize() * 0.9;
    resize(std::min(900, room.width()), std::min(1000, room.height()));
}
