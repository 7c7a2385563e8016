#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>

struct LayoutPart;
class QPainter;
class QPaintDevice;
class QTextLayout;

// The one line of a text field or label, laid out in its box once and then drawn as often as the
// page is printed without being shaped again. It stands where QPainter::drawText() with the
// part's alignment and Qt::TextSingleLine puts it; a text that does not fit is drawn smaller, in
// steps down to 40 % of its size (not below 4 points), unless the part clips. It never leaves its
// box: it is cut at the box's edge where its letters would reach past it.
class FittedText
{
public:
    FittedText() = default;
    // `box` in device pixels; `direction` is the painter's layout direction.
    FittedText(const LayoutPart &part, const QString &text, const QRectF &box,
               const QPaintDevice *device, Qt::LayoutDirection direction);

    void draw(QPainter &painter) const;

private:
    std::shared_ptr<const QTextLayout> m_layout; // none for an empty text
    int m_lines = 0;
    Qt::Alignment m_alignment;
    QPointF m_at; // the block's top left corner
    QRectF m_box;
    QColor m_colour;
    bool m_clipped = true;
};
