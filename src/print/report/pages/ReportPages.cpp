#include "print/report/pages/ReportPages.h"

#include "common/QuillError.h"
#include "common/Translations.h"
#include "print/report/Tr.h"
#include "print/report/layout/ReportLayout.h"

#include <QPaintDevice>

using namespace Qt::StringLiterals;

namespace ReportPages {

namespace {

// `found` hears how many prints the page has come to; nothing when it answered false.
std::optional<PageFlow> flowOf(const LayoutPage &page, const QPaintDevice *device,
                               int maximumPrints, const std::function<bool(int prints)> &found)
{
    const double x = device->logicalDpiX() / 25.4;
    const double y = device->logicalDpiY() / 25.4;
    PageFlow flow;
    flow.page = &page;
    if (found && !found(1))
        return std::nullopt;
    for (qsizetype i = 0; i < page.parts.size(); ++i) {
        const LayoutPart &part = page.parts.at(i);
        if (part.kind != PartKind::Memo)
            continue;
        const QRectF box(part.rect.x() * x, part.rect.y() * y, part.rect.width() * x,
                         part.rect.height() * y);
        MemoFlow &memo = flow.memos.emplace_back(part, i, box, device);
        // With two memos that continue, the page has come as far as the longer one.
        const bool complete = memo.breakIntoShares(maximumPrints, [&](int shares) {
            if (shares <= flow.prints)
                return true;
            flow.prints = shares;
            return !found || found(shares);
        });
        if (!complete)
            return std::nullopt;
        flow.prints = std::max(flow.prints, memo.shares());
    }
    return flow;
}

} // namespace

QString tooManyPages()
{
    return ReportTr::tr("The report would take more than %1 pages; nothing was printed")
        .arg(Translations::number(maximumPages));
}

PageFlow layOut(const LayoutPage &page, const QPaintDevice *device, int maximumPrints)
{
    return *flowOf(page, device, maximumPrints, {});
}

std::optional<std::vector<PageFlow>> layOut(const LayoutReport &report, const QPaintDevice *device,
                                            const Progress &progress)
{
    std::vector<PageFlow> pages;
    int count = 0;
    for (const LayoutPage &page : report.pages) {
        std::optional<PageFlow> flow = flowOf(page, device, maximumPages - count, [&](int prints) {
            return !progress || progress(count + prints);
        });
        if (!flow)
            return std::nullopt;
        pages.push_back(std::move(*flow));
        count += pages.back().prints;
        if (count > maximumPages)
            throw QuillError(tooManyPages());
    }
    return pages;
}

std::vector<PageFlow> layOut(const LayoutReport &report, const QPaintDevice *device)
{
    return *layOut(report, device, Progress());
}

int pageCount(const std::vector<PageFlow> &pages)
{
    int count = 0;
    for (const PageFlow &page : pages)
        count += page.prints;
    return count;
}

} // namespace ReportPages
