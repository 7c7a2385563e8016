#include "print/report/ReportStatusWindow.h"

#include <QLabel>

using namespace Qt::StringLiterals;

ReportStatusWindow::ReportStatusWindow(QWidget *parent) : QProgressDialog(parent)
{
    setObjectName(u"ReportStatusWindow"_s);
    setWindowTitle(u"Report Status"_s);
    auto *label = new QLabel(this);
    label->setObjectName(u"StatusLabel"_s);
    label->setMinimumWidth(240);
    setLabel(label);
    setCancelButtonText(u"Cancel"_s);
    setWindowModality(Qt::ApplicationModal);
    setAutoReset(false);
    setAutoClose(false);
    setMinimumDuration(500);
}

bool ReportStatusWindow::showStatus(const QString &text, int page, int pages)
{
    if (maximum() != pages)
        setRange(0, pages);
    setLabelText(text);
    // Once shown, this also lets the window paint and take the click on Cancel.
    setValue(page);
    return !wasCanceled();
}

ReportPrinting::StatusReport statusIn(ReportStatusWindow &window)
{
    return [&window](const QString &text, int page, int pages) {
        return window.showStatus(text, page, pages);
    };
}
