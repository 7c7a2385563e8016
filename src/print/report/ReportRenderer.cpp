#include "print/report/ReportRenderer.h"

#include "print/report/ReportLayout.h"

#include <QPaintDevice>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace ReportRenderer {

namespace {

// Millimetres to device pixels.
struct Scale
{
    double x;
    double y;

    QRectF rect(const QRectF &mm) const
    {
        return QRectF(mm.x() * x, mm.y() * y, mm.width() * x, mm.height() * y);
    }
    QPointF point(const QPointF &mm) const { return QPointF(mm.x() * x, mm.y() * y); }
    double length(double mm) const { return mm * (x + y) / 2; }
};

QFont fontOf(const LayoutFont &font, double size)
{
    QFont qfont(font.family);
    qfont.setPointSizeF(size);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}

QString shownText(const LayoutPart &part)
{
    if (part.kind != PartKind::Memo)
        return part.text;
    QString text = part.text;
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text;
}

bool fits(QPainter &painter, const QRectF &box, int flags, const QString &text)
{
    const QRectF needed = painter.boundingRect(box, flags, text);
    return needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5;
}

void drawText(QPainter &painter, const LayoutPart &part, const QRectF &box)
{
    const QString text = shownText(part);
    if (text.isEmpty())
        return;
    const int flags = int(part.font.alignment) |
                      (part.kind == PartKind::Memo ? Qt::TextWordWrap : Qt::TextSingleLine);
    double size = part.font.size;
    const double smallest = std::min(size, std::max(4.0, size * 0.4));
    painter.setFont(fontOf(part.font, size));
    while (part.shrink && size > smallest && !fits(painter, box, flags, text)) {
        size = std::max(smallest, size * 0.92);
        painter.setFont(fontOf(part.font, size));
    }
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setPen(part.font.colour);
    painter.drawText(box, flags, text);
    painter.restore();
}

QPen penOf(const LayoutPart &part, const Scale &scale)
{
    if (part.lineWidth <= 0)
        return Qt::NoPen;
    QPen pen(part.font.colour, scale.length(part.lineWidth));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void drawBox(QPainter &painter, const LayoutPart &part, const Scale &scale)
{
    painter.save();
    painter.setPen(penOf(part, scale));
    painter.setBrush(part.fill.isValid() ? QBrush(part.fill) : QBrush(Qt::NoBrush));
    const double radius = scale.length(part.radius);
    painter.drawRoundedRect(scale.rect(part.rect), radius, radius);
    painter.restore();
}

void drawImage(QPainter &painter, const LayoutPart &part, const QRectF &box)
{
    QSizeF size = part.image.size();
    size.scale(box.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(box.center());
    painter.drawImage(target, part.image);
}

void drawPart(QPainter &painter, const LayoutPart &part, const Scale &scale)
{
    switch (part.kind) {
    case PartKind::Text:
    case PartKind::Memo:
    case PartKind::Label:
        drawText(painter, part, scale.rect(part.rect));
        break;
    case PartKind::Line:
        painter.save();
        painter.setPen(penOf(part, scale));
        painter.drawLine(scale.point(part.line.p1()), scale.point(part.line.p2()));
        painter.restore();
        break;
    case PartKind::Box:
        drawBox(painter, part, scale);
        break;
    case PartKind::Image:
        drawImage(painter, part, scale.rect(part.rect));
        break;
    }
}

} // namespace

void renderPage(QPainter &painter, const LayoutPage &page)
{
    const QPaintDevice *device = painter.device();
    const Scale scale{device->logicalDpiX() / 25.4, device->logicalDpiY() / 25.4};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const LayoutPart &part : page.parts)
        drawPart(painter, part, scale);
}

} // namespace ReportRenderer
