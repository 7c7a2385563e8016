#pragma once

#include "print/report/pages/FittedText.h"
#include "print/report/pages/MemoFlow.h"

#include <QHash>
#include <functional>
#include <optional>
#include <vector>

struct LayoutPage;
struct LayoutReport;
class QPaintDevice;

// A page of the layout with its memos laid out for one device. It prints as many times as its
// longest continuing memo needs boxes: the first time as designed, then as continuation pages
// that repeat everything else and go on with each memo that still has text.
struct PageFlow
{
    const LayoutPage *page = nullptr;
    std::vector<MemoFlow> memos;
    int prints = 1;
    // The text fields and labels by part, laid out at the first print and drawn from there at
    // the others; a label that numbers the pages is laid out at every print.
    mutable QHash<qsizetype, FittedText> texts;
};

namespace ReportPages {

// More pages than this are refused as a whole rather than printed for minutes.
inline constexpr int maximumPages = 10000;

// Hears the number of the page that the layout has come to, as each page begins; answers false
// to stop it.
using Progress = std::function<bool(int page)>;

// What is said of a report that would take more than maximumPages pages, whichever of its pages
// went over.
QString tooManyPages();

// Raises QuillError when the report would take more than maximumPages pages.
std::vector<PageFlow> layOut(const LayoutReport &report, const QPaintDevice *device);
// The same, telling `progress` how far it has come; nothing when `progress` stopped it.
std::optional<std::vector<PageFlow>> layOut(const LayoutReport &report, const QPaintDevice *device,
                                            const Progress &progress);
PageFlow layOut(const LayoutPage &page, const QPaintDevice *device, int maximumPrints);
int pageCount(const std::vector<PageFlow> &pages);

} // namespace ReportPages
