#pragma once

#include "print/report/pages/ReportPages.h"

#include <QImage>
#include <vector>

struct LayoutReport;
class QPaintDevice;

// A report for the preview: laid out once for the printer that would print it, so that it breaks
// into the same pages, and each page drawn only when it is shown. Nothing but the layout's page
// breaks is kept, however many pages the report has.
class PreviewPages
{
public:
    // The pages as ReportPages::layOut found them for `printer`, which must outlive this.
    PreviewPages(std::vector<PageFlow> flows, const QPaintDevice &printer);

    int pageCount() const { return m_pages; }
    // Page `page` (from 1) at `dpi` dots per inch of the screen, in `ratio` device pixels each.
    QImage render(int page, double dpi, qreal ratio) const;

private:
    const QPaintDevice &m_printer;
    std::vector<PageFlow> m_flows;
    int m_pages = 0;
};
