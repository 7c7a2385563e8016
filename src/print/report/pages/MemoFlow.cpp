#include "print/report/pages/MemoFlow.h"

#include "common/QuillError.h"
#include "print/report/pages/PartFont.h"
#include "print/report/pages/ReportPages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

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
    // another page anyway keeps the layout's size, as the other boxes of the page do. Its first
    // box is measured again at that size, so that the lines kept are the ones drawn.
    if (!fitting && m_continues && size != part.font.size)
        fits(part.font.size);
}

// A new size forgets every line measured at the old one.
void MemoFlow::setSize(double size)
{
    m_lineStyle.font = QFont(partFont(m_style, size), m_lineStyle.device);
    const QFontMetricsF metrics(m_lineStyle.font, m_lineStyle.device);
    m_leading = std::max(0.0, metrics.leading());
    // About two letters, and never so much that a narrow box has no room left for the text.
    m_lineStyle.indent = std::min(2 * metrics.averageCharWidth(), m_lineStyle.width / 4);
    m_emptyLine = metrics.height();
    m_metrics = std::make_shared<QFontMetricsF>(metrics);
    m_lines.clear();
    m_nextParagraph = 0;
    m_wrapped.reset();
}

// Measures the line after the last one measured and keeps it; false after the last line. A
// paragraph as narrow as the box is one line as high as the font, measured without a layout;
// a wider one is laid out, one line at a time.
bool MemoFlow::measureNext()
{
    if (m_wrapped) {
        if (m_wrapped->next()) {
            const QTextLine line = m_wrapped->line();
            m_lines.push_back(
                {m_nextParagraph, m_wrapped->start(), line.textLength(), advance(line.height())});
            return true;
        }
        m_wrapped.reset();
        ++m_nextParagraph;
    }
    if (m_nextParagraph >= m_paragraphs.size())
        return false;
    const QStringView text = m_paragraphs.at(m_nextParagraph);
    if (text.isEmpty() || singleLine(text)) {
        m_lines.push_back({m_nextParagraph, 0, text.size(), advance(m_emptyLine)});
        ++m_nextParagraph;
        return true;
    }
    m_wrapped.emplace(text, 0, m_lineStyle);
    return measureNext();
}

// Measuring a long paragraph would cost its length; one longer than a piece of layout is taken
// to wrap. So is one with a line separator, which a layout breaks at, and one with U+009C,
// where QFontMetricsF stops measuring.
bool MemoFlow::singleLine(QStringView text) const
{
    for (QChar c : text)
        if (c == QChar::LineSeparator || c == QChar(0x9c))
            return false;
    return text.size() <= 1000 && m_metrics->horizontalAdvance(text.toString()) <= m_box.width();
}

// Whether the whole text fits the box at this size; stops measuring at the box's bottom.
bool MemoFlow::fits(double size)
{
    setSize(size);
    const double room = m_box.height() + 0.5;
    double used = 0;
    while (used <= room && measureNext())
        used += m_lines.back().advance;
    return used <= room;
}

// Every share holds at least one line, so that a box too small for any line still ends. The
// lines measured while the size was chosen are taken as they are; the rest are measured here.
bool MemoFlow::breakIntoShares(int maximumShares, const std::function<bool(int)> &found)
{
    m_starts = {0};
    if (!m_continues)
        return true;
    double used = 0;
    for (qsizetype i = 0; i < qsizetype(m_lines.size()) || measureNext(); ++i) {
        const double height = m_lines[i].advance;
        if (used > 0 && used + height > m_box.height() + 0.5) {
            // The shares are the report's last pages: past them the report is too long.
            if (m_starts.size() >= maximumShares)
                throw QuillError(ReportPages::tooManyPages());
            m_starts.append(i);
            used = 0;
            if (found && !found(shares()))
                return false;
        }
        used += height;
    }
    return true;
}

void MemoFlow::draw(QPainter &painter, int share) const
{
    if (share < 0 || share >= m_starts.size() || m_paragraphs.isEmpty())
        return;
    // The share's height first, to place it in its box; a memo that does not continue shows
    // only as far as its box reaches.
    const qsizetype first = firstLine(share);
    const qsizetype end = firstLine(share + 1);
    qsizetype last = first;
    double height = 0;
    while (last < end && height < m_box.height())
        height += m_lines[last++].advance;
    double offset = 0;
    const Qt::Alignment vertical = m_style.alignment & Qt::AlignVertical_Mask;
    if (height < m_box.height() && vertical == Qt::AlignBottom)
        offset = m_box.height() - height;
    else if (height < m_box.height() && vertical == Qt::AlignVCenter)
        offset = (m_box.height() - height) / 2;

    painter.save();
    painter.setClipRect(m_box, Qt::IntersectClip);
    painter.setPen(m_style.colour);
    double y = m_box.top() + offset;
    for (qsizetype i = first; i < last; ++i) {
        drawLine(painter, m_lines[i], QPointF(m_box.left(), y));
        y += m_lines[i].advance;
    }
    painter.restore();
}

// The line is laid out alone, as wide as it was measured, and drawn from that one shaping; every
// line but a paragraph's first stands in. A line that the paragraph goes on after is laid out
// without the blanks it ends in, which its paragraph's layout leaves out of its width too, so
// that it is centred or right-aligned as it was measured. Should the line not fit as measured,
// it is drawn unwrapped rather than losing its end.
void MemoFlow::drawLine(QPainter &painter, const MemoLine &line, QPointF at) const
{
    const QStringView paragraph = m_paragraphs.at(line.paragraph);
    QStringView text = paragraph.mid(line.start, line.length);
    if (line.start + line.length < paragraph.size())
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
    if (text.isEmpty())
        return;
    QTextLayout layout(text.toString(), m_lineStyle.font, m_lineStyle.device);
    layout.setCacheEnabled(true);
    const double indent = line.start == 0 ? 0 : m_lineStyle.indent;
    for (QTextOption::WrapMode wrap : {m_lineStyle.option.wrapMode(), QTextOption::NoWrap}) {
        QTextOption option = m_lineStyle.option;
        option.setWrapMode(wrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine laid = layout.createLine();
        laid.setLineWidth(m_lineStyle.width - indent);
        laid.setPosition(QPointF(indent, 0));
        layout.endLayout();
        if (laid.textLength() == text.size() || wrap == QTextOption::NoWrap) {
            laid.draw(&painter, at);
            return;
        }
    }
}
