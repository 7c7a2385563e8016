#include "print/report/output/ReportPrinting.h"

#include "common/OutsideWrite.h"
#include "common/QuillError.h"
#include "common/Translations.h"
#include "print/report/Tr.h"
#include "print/report/layout/ReportLayout.h"
#include "print/report/pages/ReportPages.h"
#include "print/report/pages/ReportRenderer.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace ReportPrinting {

QString documentName(const LayoutReport &report)
{
    return report.documentName.isEmpty() ? ReportTr::tr("Quillmark Report") : report.documentName;
}

namespace {

QPageLayout pageLayout(const LayoutPage &page)
{
    const bool landscape = page.paper.width() > page.paper.height();
    const QSizeF portrait = landscape ? page.paper.transposed() : page.paper;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

} // namespace

std::optional<std::vector<PageFlow>> layOut(const LayoutReport &report, const QPaintDevice &device,
                                            const StatusReport &status)
{
    return ReportPages::layOut(report, &device, [&status](int page) {
        return !status ||
               status(ReportTr::tr("Generating page %1").arg(Translations::number(page)), page, 0);
    });
}

bool print(QPagedPaintDevice &device, const LayoutReport &report, const QString &what,
           const StatusReport &status, bool printerJob)
{
    if (report.pages.isEmpty())
        return true;
    // First the pages are found, each named as the layout comes to it, while their count is
    // not yet known; then they are drawn.
    const std::optional<std::vector<PageFlow>> flows = layOut(report, device, status);
    if (!flows)
        return false;
    const int pages = ReportPages::pageCount(*flows);
    device.setPageLayout(pageLayout(*flows->front().page));
    QPainter painter;
    if (!painter.begin(&device))
        throw QuillError(ReportTr::tr("The report cannot be written to %1").arg(what));
    int number = 0;
    bool cancelled = false;
    for (const PageFlow &flow : *flows) {
        for (int print = 0; print < flow.prints && !cancelled; ++print) {
            // A page's continuations are on paper of its own size, so only a new page of
            // the layout sets the paper.
            if (number > 0) {
                if (print == 0)
                    device.setPageLayout(pageLayout(*flow.page));
                device.newPage();
            }
            ++number;
            cancelled = status &&
                        !status(ReportTr::tr("Printing page %1").arg(Translations::number(number)),
                                number, pages);
            if (!cancelled)
                ReportRenderer::renderPage(painter, flow, print, {number, pages});
        }
    }
    if (cancelled) {
        auto *printer = dynamic_cast<QPrinter *>(&device);
        if (printer && printerJob)
            printer->abort();
        painter.end();
        return false;
    }
    if (!painter.end())
        throw QuillError(ReportTr::tr("The report could not be finished on %1").arg(what));
    return true;
}

namespace {

[[noreturn]] void raiseUnwritten(const QString &what, const OutsideFile::WriteResult &written)
{
    throw QuillError(ReportTr::tr("The report cannot be written to %1: %2; it was left as it is")
                         .arg(what, written.reason()));
}

} // namespace

bool writePdf(const LayoutReport &report, const QString &fileName, const StatusReport &status)
{
    if (report.pages.isEmpty())
        return true;
    const QString what = ReportTr::tr("the file \"%1\"").arg(fileName);
    // Written beside the target and put in its place only when complete, so that a failed
    // write never leaves a broken file where a good one was; an older PDF is all it replaces.
    OutsideFile::PendingWrite pending(fileName, OutsideFile::earlierPdf);
    if (!pending.started().ok())
        raiseUnwritten(what, pending.started());
    QFile file;
    if (!file.open(pending.fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        throw QuillError(
            ReportTr::tr("The report cannot be written to %1: %2").arg(what, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(documentName(report));
        writer.setCreator(u"Quillmark"_s);
        if (!print(writer, report, what, status))
            return false;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError)
        throw QuillError(ReportTr::tr("The report could not be finished on %1: %2")
                             .arg(what, file.errorString()));
    if (const OutsideFile::WriteResult written = pending.commit(); !written.ok())
        raiseUnwritten(what, written);
    return true;
}

bool printToFile(QPrinter &printer, const LayoutReport &report, const StatusReport &status)
{
    const QString fileName = printer.outputFileName();
    const QString what = ReportTr::tr("the file \"%1\"").arg(fileName);
    OutsideFile::PendingWrite pending(fileName, OutsideFile::earlierPdf);
    if (!pending.started().ok())
        raiseUnwritten(what, pending.started());
    // The printer writes the temporary file by name; its format stays the one the dialog chose.
    printer.setOutputFileName(pending.temporaryName());
    bool printed = false;
    try {
        printed = print(printer, report, what, status, true);
    } catch (...) {
        printer.setOutputFileName(fileName);
        throw;
    }
    printer.setOutputFileName(fileName);
    if (!printed)
        return false;
    if (const OutsideFile::WriteResult written = pending.commit(); !written.ok())
        raiseUnwritten(what, written);
    return true;
}

} // namespace ReportPrinting
