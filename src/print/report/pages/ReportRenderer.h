#pragma once

struct LayoutPage;
struct PageFlow;
class QPainter;

// Draws pages of a layout onto the painter's device, in the device's resolution, with the
// paper's top-left corner at the origin. Texts never leave their boxes: a text field or label that
// does not fit is shrunk (down to a readable size) and then clipped; memos are drawn by their
// MemoFlow.
namespace ReportRenderer {

// The printed page's number and the report's page count, for the "{page}" and "{pages}" of labels.
struct PageNumber
{
    int page = 1;
    int pages = 1;
};

// The print `print` (from 0) of a laid-out page: its design, with the memos' share of that print.
void renderPage(QPainter &painter, const PageFlow &flow, int print, PageNumber number);

// A page alone, laid out for the painter's device: its first print, as page 1 of 1.
void renderPage(QPainter &painter, const LayoutPage &page);

} // namespace ReportRenderer
