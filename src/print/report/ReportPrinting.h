#pragma once

#include <QString>
#include <functional>

struct LayoutReport;
class QPagedPaintDevice;

// Runs a report's pages onto a printer or a PDF writer, each page on paper of its own size.
namespace ReportPrinting {

inline constexpr const char16_t *jobTitle = u"ReportPrinter Report";

// Receives "Generating page N" and "Printing page N" as the pages go.
using StatusReport = std::function<void(const QString &status)>;

// Raises QuillError when the device cannot be written to; `what` names it in that message.
void print(QPagedPaintDevice &device, const LayoutReport &report, const QString &what,
           const StatusReport &status = {});

// Writes the report into a PDF file, without any window.
void writePdf(const LayoutReport &report, const QString &fileName, const StatusReport &status = {});

} // namespace ReportPrinting
