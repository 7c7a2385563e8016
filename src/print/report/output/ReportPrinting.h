#pragma once

#include "print/report/pages/ReportPages.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

struct LayoutReport;
class QPagedPaintDevice;
class QPaintDevice;
class QPrinter;

// Runs a report's pages onto a printer or a PDF writer, each page on paper of its own size.
namespace ReportPrinting {

// The report's document name, or a general one when it has none.
QString documentName(const LayoutReport &report);

// Receives "Generating page N" as the pages are laid out, with the page's number and 0 for the
// page count, which is not known yet; then "Printing page N" as each is drawn, with the page's
// number and the report's page count. Answers false to cancel the run.
using StatusReport = std::function<bool(const QString &status, int page, int pages)>;

// Finds the report's pages for `device`, telling `status` "Generating page N" as it comes to each;
// nothing when cancelled. Raises QuillError when the report would take too many pages.
std::optional<std::vector<PageFlow>> layOut(const LayoutReport &report, const QPaintDevice &device,
                                            const StatusReport &status);

// Every page of the report, continuation pages included. Returns false when the run was
// cancelled; `printerJob` says that the device is a printer printing a job, which is then
// aborted (a PDF writer is none). Raises QuillError when
// the device cannot be written to (`what` names it in that message) or the report would take
// too many pages.
bool print(QPagedPaintDevice &device, const LayoutReport &report, const QString &what,
           const StatusReport &status = {}, bool printerJob = false);

// Writes the report into a PDF file, without any window. A cancelled or failed run leaves no
// file behind and an older file of that name as it was; returns false when cancelled. An existing
// file is replaced only when it is an earlier PDF (OutsideFile::earlierPdf), judged when the run
// starts and again just before the new file takes its place; raises QuillError otherwise.
bool writePdf(const LayoutReport &report, const QString &fileName, const StatusReport &status = {});

// print() onto a printer whose output is a file (the print dialog's "Print to File"), written
// and judged as writePdf() writes and judges its file.
bool printToFile(QPrinter &printer, const LayoutReport &report, const StatusReport &status = {});

} // namespace ReportPrinting
