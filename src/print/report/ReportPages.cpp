#include "print/report/ReportPages.h"

#include "print/report/ReportLayout.h"
#include "sheet/QuillError.h"

#include <QLocale>
#include <QPaintDevice>

using namespace Qt::StringLiterals;

namespace ReportPages {

PageFlow layOut(const LayoutPage &page, const QPaintDevice *device, int maximumPrints)
{
    const double x = device->logicalDpiX() / 25.4;
    const double y = device->logicalDpiY() / 25.4;
    PageFlow flow;
    flow.page = &page;
    for (qsizetype i = 0; i < page.parts.size(); ++i) {
        const LayoutPart &part = page.parts.at(i);
        if (part.kind != PartKind::Memo)
            continue;
        const QRectF box(part.rect.x() * x, part.rect.y() * y, part.rect.width() * x,
                         part.rect.height() * y);
        flow.memos.emplace_back(part, i, box, device, maximumPrints);
        flow.prints = std::max(flow.prints, flow.memos.back().shares());
    }
    return flow;
}

std::vector<PageFlow> layOut(const LayoutReport &report, const QPaintDevice *device)
{
    std::vector<PageFlow> pages;
    int count = 0;
    for (const LayoutPage &page : report.pages) {
        pages.push_back(layOut(page, device, maximumPages - count));
        count += pages.back().prints;
        if (count > maximumPages)
            throw QuillError(u"The report would take more than %1 pages; nothing was printed"_s.arg(
                QLocale(QLocale::English).toString(maximumPages)));
    }
    return pages;
}

int pageCount(const std::vector<PageFlow> &pages)
{
    int count = 0;
    for (const PageFlow &page : pages)
        count += page.prints;
    return count;
}

} // namespace ReportPages
