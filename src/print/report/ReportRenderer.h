#pragma once

struct LayoutPage;
class QPainter;

// Draws one page of a layout onto the painter's device, in the device's resolution, with the
// paper's top-left corner at the origin. Texts never leave their boxes: a text that does not fit
// is shrunk (down to a readable size) and then clipped.
namespace ReportRenderer {

void renderPage(QPainter &painter, const LayoutPage &page);

} // namespace ReportRenderer
