#pragma once

#include "print/report/output/ReportOutput.h"
#include "print/report/output/ReportPrinting.h"

// Runs a report straight into a PDF file, with no window: for scripted printing.
class PdfReportOutput : public ReportOutput
{
public:
    explicit PdfReportOutput(QString fileName) : m_fileName(std::move(fileName)) {}

    void run(const LayoutReport &report) override
    {
        if (ReportPrinting::writePdf(report, m_fileName))
            ++m_runs;
    }
    int runs() const { return m_runs; }

private:
    QString m_fileName;
    int m_runs = 0;
};
