#pragma once

struct LayoutReport;

// Where a report run by the LayoutReportEngine goes: the interactive setup, preview and printer
// windows (WindowReportOutput), or straight into a PDF file (PdfReportOutput).
class ReportOutput
{
public:
    virtual ~ReportOutput() = default;
    virtual void run(const LayoutReport &report) = 0;
};
