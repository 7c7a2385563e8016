#pragma once

#include "print/report/MemoFlow.h"

#include <QHash>
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
    // The size each text field and label was drawn at, kept from the first print for the others.
    mutable QHash<qsizetype, double> fittedSizes;
};

namespace ReportPages {

// More pages than this are refused as a whole rather than printed for minutes.
inline constexpr int maximumPages = 10000;

// Raises QuillError when the report would take more than maximumPages pages.
std::vector<PageFlow> layOut(const LayoutReport &report, const QPaintDevice *device);
PageFlow layOut(const LayoutPage &page, const QPaintDevice *device, int maximumPrints);
int pageCount(const std::vector<PageFlow> &pages);

} // namespace ReportPages
