#include "print/report/pages/ReportRenderer.h"

#include "print/report/layout/ReportLayout.h"
#include "print/report/pages/ReportPages.h"

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

// Only a label's own text holds page numbers; a filled field shows its text as it was put in.
QString shownText(const LayoutPart &part, PageNumber number)
{
    if (part.kind != PartKind::Label || !part.text.contains(u'{'))
        return part.text;
    QString text = part.text;
    text.replace(u"{pages}"_s, QString::number(number.pages));
    text.replace(u"{page}"_s, QString::number(number.page));
    return text;
}

bool fits(QPainter &painter, const QRectF &box, int flags, const QString &text)
{
    const QRectF needed = painter.boundingRect(box, flags, text);
    return needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5;
}

double fittedSize(QPainter &painter, const LayoutPart &part, const QRectF &box, int flags,
                  const QString &text)
{
    double size = part.font.size;
    const double smallest = std::min(size, std::max(4.0, size * 0.4));
    painter.setFont(fontOf(part.font, size));
    while (part.overflow != Overflow::Clip && size > smallest && !fits(painter, box, flags, text)) {
        size = std::max(smallest, size * 0.92);
        painter.setFont(fontOf(part.font, size));
    }
    return size;
}

// `fitted` keeps the size found for a text that is the same on every print of the page.
void drawText(QPainter &painter, const LayoutPart &part, const QRectF &box, PageNumber number,
              double *fitted)
{
    const QString text = shownText(part, number);
    if (text.isEmpty())
        return;
    const int flags = int(part.font.alignment) | Qt::TextSingleLine;
    if (fitted && *fitted > 0) {
        painter.setFont(fontOf(part.font, *fitted));
    } else {
        const double size = fittedSize(painter, part, box, flags, text);
        if (fitted)
            *fitted = size;
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

void drawPart(QPainter &painter, const LayoutPart &part, const Scale &scale, PageNumber number,
              double *fitted)
{
    switch (part.kind) {
    case PartKind::Memo:
        break; // drawn by its MemoFlow
    case PartKind::Text:
    case PartKind::Label:
        drawText(painter, part, scale.rect(part.rect), number,
                 part.text.contains(u'{') && part.kind == PartKind::Label ? nullptr : fitted);
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

void renderPage(QPainter &painter, const PageFlow &flow, int print, PageNumber number)
{
    const QPaintDevice *device = painter.device();
    const Scale scale{device->logicalDpiX() / 25.4, device->logicalDpiY() / 25.4};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    auto memo = flow.memos.begin();
    const QList<LayoutPart> &parts = flow.page->parts;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (memo != flow.memos.end() && memo->partIndex() == i) {
            // A memo that does not continue is the same on every print.
            memo->draw(painter, parts.at(i).overflow == Overflow::Continue ? print : 0);
            ++memo;
        } else {
            drawPart(painter, parts.at(i), scale, number, &flow.fittedSizes[i]);
        }
    }
}

void renderPage(QPainter &painter, const LayoutPage &page)
{
    renderPage(painter, ReportPages::layOut(page, painter.device(), ReportPages::maximumPages), 0,
               {});
}

} // namespace ReportRenderer
