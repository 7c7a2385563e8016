#include "print/report/pages/ReportRenderer.h"

#include "common/Translations.h"
#include "print/report/layout/ReportLayout.h"
#include "print/report/pages/FittedText.h"
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

// Only a label's own text holds page numbers; a filled field shows its text as it was put in.
bool numbersPages(const LayoutPart &part)
{
    return part.kind == PartKind::Label && part.text.contains(u'{');
}

QString shownText(const LayoutPart &part, PageNumber number)
{
    if (!numbersPages(part))
        return part.text;
    QString text = part.text;
    text.replace(u"{pages}"_s, Translations::number(number.pages));
    text.replace(u"{page}"_s, Translations::number(number.page));
    return text;
}

// A text the same on every print is laid out at the first and kept in `kept` for the others.
void drawText(QPainter &painter, const LayoutPart &part, const QRectF &box, PageNumber number,
              QHash<qsizetype, FittedText> &kept, qsizetype index)
{
    const auto layOut = [&] {
        return FittedText(part, shownText(part, number), box, painter.device(),
                          painter.layoutDirection());
    };
    if (numbersPages(part)) {
        layOut().draw(painter);
        return;
    }
    auto found = kept.find(index);
    if (found == kept.end())
        found = kept.insert(index, layOut());
    found->draw(painter);
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

void drawPart(QPainter &painter, const PageFlow &flow, qsizetype index, const Scale &scale,
              PageNumber number)
{
    const LayoutPart &part = flow.page->parts.at(index);
    switch (part.kind) {
    case PartKind::Memo:
        break; // drawn by its MemoFlow
    case PartKind::Text:
    case PartKind::Label:
        drawText(painter, part, scale.rect(part.rect), number, flow.texts, index);
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
            drawPart(painter, flow, i, scale, number);
        }
    }
}

void renderPage(QPainter &painter, const LayoutPage &page)
{
    renderPage(painter, ReportPages::layOut(page, painter.device(), ReportPages::maximumPages), 0,
               {});
}

} // namespace ReportRenderer
