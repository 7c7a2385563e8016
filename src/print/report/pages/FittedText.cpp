#include "print/report/pages/FittedText.h"

#include "print/report/layout/ReportLayout.h"
#include "print/report/pages/PartFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace {

// As QPainter::drawText() reads a text for one line: CR, LF and tabs are blanks, and U+009C
// separates variants of the text, the first one the box holds being shown.
QStringList variantsOf(QString text)
{
    for (QChar &c : text)
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    return text.split(QChar(0x9c));
}

// A text's lines as QPainter::drawText() places them in a box: one below the other on whole
// pixels, the block aligned in the box as the part says. Measuring lays out every line, as
// QPainter::boundingRect() does; drawing stops at the line that reaches the box's bottom.
struct Placement
{
    std::shared_ptr<QTextLayout> layout;
    int lines = 0;
    QRectF bounds; // the lines' block where it stands
};

Placement place(const QString &text, const QFont &font, const QPaintDevice *device,
                const QRectF &box, Qt::Alignment alignment, Qt::LayoutDirection direction,
                bool measuring)
{
    Placement placed;
    placed.layout = std::make_shared<QTextLayout>(text, font, device);
    QTextOption option;
    option.setTextDirection(direction);
    placed.layout->setTextOption(option);
    placed.layout->setCacheEnabled(true);
    const double leading = QFontMetricsF(placed.layout->font()).leading();
    double height = -leading;
    double width = 0;
    placed.layout->beginLayout();
    for (QTextLine line = placed.layout->createLine(); line.isValid();
         line = placed.layout->createLine()) {
        line.setLineWidth(0x01000000);
        height = qCeil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
        ++placed.lines;
        if (!measuring && height >= box.height())
            break;
    }
    placed.layout->endLayout();
    QPointF offset;
    if (alignment & Qt::AlignBottom)
        offset.setY(box.height() - height);
    else if (alignment & Qt::AlignVCenter)
        offset.setY((box.height() - height) / 2);
    if (alignment & Qt::AlignRight)
        offset.setX(box.width() - width);
    else if (alignment & Qt::AlignHCenter)
        offset.setX((box.width() - width) / 2);
    placed.bounds = QRectF(box.topLeft() + offset, QSizeF(width, height));
    return placed;
}

Placement placeVariant(const QStringList &variants, const QFont &font, const QPaintDevice *device,
                       const QRectF &box, Qt::Alignment alignment, Qt::LayoutDirection direction,
                       bool measuring)
{
    for (qsizetype i = 0;; ++i) {
        Placement placed =
            place(variants.at(i), font, device, box, alignment, direction, measuring);
        if (i + 1 == variants.size() || box.contains(placed.bounds))
            return placed;
    }
}

bool fits(const Placement &placed, const QRectF &box)
{
    return placed.bounds.width() <= box.width() + 0.5 &&
           placed.bounds.height() <= box.height() + 0.5;
}

// How many of the measured lines drawing lays out: it stops at the one that reaches the box's
// bottom.
int linesDrawn(const Placement &placed, const QRectF &box)
{
    for (int i = 0; i < placed.lines; ++i) {
        const QTextLine line = placed.layout->lineAt(i);
        if (line.y() + line.ascent() + line.descent() >= box.height())
            return i + 1;
    }
    return placed.lines;
}

// Where a drawn line starts: each line is aligned across the box by its own advance.
QPointF lineOrigin(const QTextLine &line, const QRectF &box, Qt::Alignment alignment)
{
    double x = 0;
    if (alignment & Qt::AlignRight)
        x = box.width() - line.horizontalAdvance();
    else if (alignment & Qt::AlignHCenter)
        x = (box.width() - line.horizontalAdvance()) / 2;
    return QPointF(x, 0);
}

// Whether every letter of the drawn lines lies inside the box, a little away from its edges:
// such a text needs no cut.
bool inkInside(const QTextLayout &layout, int lines, QPointF at, const QRectF &box,
               Qt::Alignment alignment)
{
    const QFontMetricsF metrics(layout.font());
    const QRectF inside = box.adjusted(2, 2, -2, -2);
    for (int i = 0; i < lines; ++i) {
        const QTextLine line = layout.lineAt(i);
        const QString text = layout.text().mid(line.textStart(), line.textLength());
        const QPointF baseline =
            at + lineOrigin(line, box, alignment) + QPointF(line.x(), line.y() + line.ascent());
        if (!inside.contains(metrics.boundingRect(text).translated(baseline)))
            return false;
    }
    return true;
}

} // namespace

FittedText::FittedText(const LayoutPart &part, const QString &text, const QRectF &box,
                       const QPaintDevice *device, Qt::LayoutDirection direction)
    : m_box(box), m_colour(part.font.colour)
{
    if (text.isEmpty())
        return;
    const QStringList variants = variantsOf(text);
    const Qt::Alignment alignment = part.font.alignment;
    double size = part.font.size;
    const double smallest = std::min(size, std::max(4.0, size * 0.4));
    QFont font = partFont(part.font, size);
    Placement placed = placeVariant(variants, font, device, box, alignment, direction, true);
    while (part.overflow != Overflow::Clip && size > smallest && !fits(placed, box)) {
        size = std::max(smallest, size * 0.92);
        font = partFont(part.font, size);
        placed = placeVariant(variants, font, device, box, alignment, direction, true);
    }
    // Drawing lays out only the lines that begin inside the box, which places a block of
    // several lines otherwise.
    if (linesDrawn(placed, box) != placed.lines)
        placed = placeVariant(variants, font, device, box, alignment, direction, false);
    m_layout = placed.layout;
    m_lines = placed.lines;
    m_alignment = alignment;
    m_at = QPointF(box.x(), placed.bounds.y());
    m_clipped = !inkInside(*m_layout, m_lines, m_at, box, alignment);
}

void FittedText::draw(QPainter &painter) const
{
    if (!m_layout)
        return;
    if (m_clipped) {
        painter.save();
        painter.setClipRect(m_box, Qt::IntersectClip);
    }
    painter.setPen(m_colour);
    for (int i = 0; i < m_lines; ++i) {
        const QTextLine line = m_layout->lineAt(i);
        line.draw(&painter, m_at + lineOrigin(line, m_box, m_alignment));
    }
    if (m_clipped)
        painter.restore();
}
