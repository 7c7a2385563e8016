#pragma once

struct LayoutReport;

// Where a run report goes: the interactive setup, preview and printer windows, or straight into
// a PDF file.
class ReportOutput
{
public:
    virtual ~ReportOutput() = default;
    virtual void run(const LayoutReport &report) = 0;
};
