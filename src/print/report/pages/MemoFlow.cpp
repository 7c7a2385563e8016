#include "print/report/pages/MemoFlow.h"

#include "common/QuillError.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QTextLayout>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MemoFlow)
};

} // namespace

namespace {

// CR, LF and CR LF each end a paragraph.
QList<QStringView> paragraphsOf(const QString &text)
{
    QList<QStringView> paragraphs;
    if (text.isEmpty())
        return paragraphs;
    const QStringView all(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i] != u'\r' && all[i] != u'\n')
            continue;
        paragraphs.append(all.mid(start, i - start));
        if (all[i] == u'\r' && i + 1 < all.size() && all[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    paragraphs.append(all.mid(start));
    return paragraphs;
}

double smallestSize(const LayoutPart &part)
{
    const double size = part.font.size;
    switch (part.overflow) {
    case Overflow::Shrink:
        return std::min(size, std::max(4.0, size * 0.4));
    case Overflow::Continue:
        return std::min(size, std::max(4.0, size * 0.75));
    case Overflow::Clip:
        break;
    }
    return size;
}

} // namespace

MemoFlow::MemoFlow(const LayoutPart &part, qsizetype partIndex, const QRectF &box,
                   const QPaintDevice *device)
    : m_partIndex(partIndex), m_style(part.font), m_box(box),
      m_continues(part.overflow == Overflow::Continue), m_paragraphs(paragraphsOf(part.text))
{
    m_lineStyle.option.setAlignment(part.font.alignment & Qt::AlignHorizontal_Mask);
    m_lineStyle.option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_lineStyle.width = box.width();
    m_lineStyle.device = device;
    const double smallest = smallestSize(part);
    double size = part.font.size;
    bool fitting = fits(size);
    while (!fitting && size > smallest) {
        size = std::max(smallest, size * 0.92);
        fitting = fits(size);
    }
    // Smaller text is worth it only when it lets the memo end in its box: one that goes on to
    // another page anyway keeps the layout's size, as the other boxes of the page do.
    if (!fitting && m_continues)
        size = part.font.size;
    setSize(size);
}

void MemoFlow::setSize(double size)
{
    QFont font(m_style.family);
    font.setPointSizeF(size);
    font.setBold(m_style.bold);
    font.setItalic(m_style.italic);
    m_lineStyle.font = QFont(font, m_lineStyle.device);
    const QFontMetricsF metrics(m_lineStyle.font, m_lineStyle.device);
    m_leading = std::max(0.0, metrics.leading());
    // About two letters, and never so much that a narrow box has no room left for the text.
    m_lineStyle.indent = std::min(2 * metrics.averageCharWidth(), m_lineStyle.width / 4);
    m_emptyLine = metrics.height();
    m_metrics = std::make_shared<QFontMetricsF>(metrics);
}

// A paragraph as narrow as the box is one line as high as the font, measured without a layout
// unless it is drawn. `drawn` lays out every line that has text.
void MemoFlow::forEachLine(MemoPosition from, bool drawn, const LineVisit &visit) const
{
    for (qsizetype p = from.paragraph; p < m_paragraphs.size(); ++p) {
        const QStringView text = m_paragraphs.at(p);
        const qsizetype offset = p == from.paragraph ? from.offset : 0;
        const bool single = offset == 0 && (text.isEmpty() || singleLine(text));
        if (text.isEmpty() || (single && !drawn)) {
            if (!visit({p, 0}, advance(m_emptyLine), nullptr))
                return;
            continue;
        }
        ParagraphLines lines(text, offset, m_lineStyle);
        while (lines.next()) {
            const double height = single ? m_emptyLine : lines.line().height();
            if (!visit({p, lines.start()}, advance(height), &lines))
                return;
        }
    }
}

// Measuring a long paragraph would cost its length; one longer than a piece of layout is taken
// to wrap.
bool MemoFlow::singleLine(QStringView text) const
{
    return text.size() <= 1000 && m_metrics->horizontalAdvance(text.toString()) <= m_box.width();
}

// Whether the whole text fits the box at this size; stops measuring at the box's bottom.
bool MemoFlow::fits(double size)
{
    setSize(size);
    const double room = m_box.height() + 0.5;
    double used = 0;
    forEachLine({}, false, [&](MemoPosition, double height, const ParagraphLines *) {
        used += height;
        return used <= room;
    });
    return used <= room;
}

// Every share holds at least one line, so that a box too small for any line still ends.
bool MemoFlow::breakIntoShares(int maximumShares, const std::function<bool(int)> &found)
{
    m_starts = {MemoPosition()};
    if (!m_continues)
        return true;
    double used = 0;
    bool complete = true;
    forEachLine({}, false, [&](MemoPosition at, double height, const ParagraphLines *) {
        if (used > 0 && used + height > m_box.height() + 0.5) {
            if (m_starts.size() >= maximumShares)
                throw QuillError(
                    Text::tr("The report would take more than %1 pages; nothing was printed")
                        .arg(QLocale(QLocale::English).toString(maximumShares)));
            m_starts.append(at);
            used = 0;
            complete = !found || found(shares());
        }
        used += height;
        return complete;
    });
    return complete;
}

// Where the share `share` ends: where the next one begins, or past the last paragraph.
MemoPosition MemoFlow::end(int share) const
{
    if (share + 1 < m_starts.size())
        return m_starts.at(share + 1);
    return {m_paragraphs.size(), 0};
}

void MemoFlow::draw(QPainter &painter, int share) const
{
    if (share < 0 || share >= m_starts.size() || m_paragraphs.isEmpty())
        return;
    // The share's lines first, to know its height; a memo that does not continue is laid out
    // only as far as its box reaches.
    struct Placed
    {
        std::shared_ptr<QTextLayout> layout;
        int line;
        double y;
    };
    std::vector<Placed> placed;
    double y = 0;
    const MemoPosition stop = end(share);
    forEachLine(m_starts.at(share), true,
                [&](MemoPosition at, double height, const ParagraphLines *lines) {
                    const bool before = at.paragraph < stop.paragraph ||
                                        (at.paragraph == stop.paragraph && at.offset < stop.offset);
                    if (!before || y >= m_box.height())
                        return false;
                    if (lines)
                        placed.push_back({lines->layout(), lines->lineIndex(), y});
                    y += height;
                    return true;
                });
    double offset = 0;
    const Qt::Alignment vertical = m_style.alignment & Qt::AlignVertical_Mask;
    if (y < m_box.height() && vertical == Qt::AlignBottom)
        offset = m_box.height() - y;
    else if (y < m_box.height() && vertical == Qt::AlignVCenter)
        offset = (m_box.height() - y) / 2;

    painter.save();
    painter.setClipRect(m_box, Qt::IntersectClip);
    painter.setPen(m_style.colour);
    for (const Placed &p : placed) {
        const QTextLine line = p.layout->lineAt(p.line);
        // The line's own x is its indent; its y is taken from where the share places it.
        line.draw(&painter,
                  QPointF(m_box.left(), m_box.top() + offset + p.y - line.position().y()));
    }
    painter.restore();
}
