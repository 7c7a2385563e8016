#include "print/report/windows/ReportStatusWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The runs call showStatus() at least once a page, and a page takes a few milliseconds, so the
// window shows well within half a second of the run's start.
int showAfter = 400;

} // namespace

int ReportStatusWindow::setShowAfter(int milliseconds)
{
    return std::exchange(showAfter, milliseconds);
}

ReportStatusWindow::ReportStatusWindow(QWidget *parent) : QProgressDialog(parent)
{
    setObjectName(u"ReportStatusWindow"_s);
    setWindowTitle(tr("Report Status"));
    auto *label = new QLabel(this);
    label->setObjectName(u"StatusLabel"_s);
    label->setMinimumWidth(240);
    setLabel(label);
    setCancelButtonText(tr("Cancel"));
    setWindowModality(Qt::ApplicationModal);
    setAutoReset(false);
    setAutoClose(false);
    setMinimumDuration(showAfter);
}

bool ReportStatusWindow::showStatus(const QString &text, int page, int pages)
{
    // A range of 0 to 0 shows a busy bar.
    if (maximum() != pages)
        setRange(0, pages);
    setLabelText(text);
    // Once shown, this also lets the window paint and take the click on Cancel; the call that
    // shows it does not, so the window would stay blank for as long as that page takes.
    const bool shown = isVisible();
    setValue(page);
    if (!shown && isVisible())
        QCoreApplication::processEvents();
    return !wasCanceled();
}

ReportPrinting::StatusReport statusIn(ReportStatusWindow &window)
{
    return [&window](const QString &text, int page, int pages) {
        return window.showStatus(text, page, pages);
    };
}
