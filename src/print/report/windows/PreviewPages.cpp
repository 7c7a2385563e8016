#include "print/report/windows/PreviewPages.h"

#include "print/report/layout/ReportLayout.h"
#include "print/report/pages/ReportRenderer.h"

#include <QPainter>

namespace {

// An image that measures fonts and lengths in the printer's resolution, so that a page laid out
// for the printer draws on it as on the printer; the painter scales it down to the image's size.
class PrinterScaleImage : public QImage
{
public:
    PrinterScaleImage(QSize size, const QPaintDevice &printer)
        : QImage(size, QImage::Format_RGB32), m_dpiX(printer.logicalDpiX()),
          m_dpiY(printer.logicalDpiY())
    {
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return m_dpiX;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return m_dpiY;
        default:
            return QImage::metric(metric);
        }
    }

private:
    int m_dpiX;
    int m_dpiY;
};

} // namespace

PreviewPages::PreviewPages(std::vector<PageFlow> flows, const QPaintDevice &printer)
    : m_printer(printer), m_flows(std::move(flows)), m_pages(ReportPages::pageCount(m_flows))
{
}

QImage PreviewPages::render(int page, double dpi, qreal ratio) const
{
    int first = 1;
    auto flow = m_flows.cbegin();
    while (flow != m_flows.cend() && page >= first + flow->prints)
        first += (flow++)->prints;
    if (page < 1 || flow == m_flows.cend())
        return {};
    const QSizeF paper = flow->page->paper * (dpi / 25.4);
    PrinterScaleImage image(QSize(qRound(paper.width() * ratio), qRound(paper.height() * ratio)),
                            m_printer);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(dpi / m_printer.logicalDpiX(), dpi / m_printer.logicalDpiY());
    ReportRenderer::renderPage(painter, *flow, page - first, {page, m_pages});
    painter.end();
    return image;
}
