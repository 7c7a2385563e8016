#include "print/report/MemoFlow.h"

#include "sheet/QuillError.h"

#include <QFontMetricsF>
#include <QLocale>
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
                   const QPaintDevice *device, int maximumShares)
    : m_partIndex(partIndex), m_style(part.font), m_box(box), m_device(device),
      m_continues(part.overflow == Overflow::Continue), m_paragraphs(paragraphsOf(part.text))
{
    m_option.setAlignment(part.font.alignment & Qt::AlignHorizontal_Mask);
    m_option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const double smallest = smallestSize(part);
    double size = part.font.size;
    while (!fits(size) && size > smallest)
        size = std::max(smallest, size * 0.92);
    setSize(size);
    if (m_continues)
        breakIntoShares(maximumShares);
}

void MemoFlow::setSize(double size)
{
    QFont font(m_style.family);
    font.setPointSizeF(size);
    font.setBold(m_style.bold);
    font.setItalic(m_style.italic);
    m_font = QFont(font, m_device);
    const QFontMetricsF metrics(m_font, m_device);
    m_leading = std::max(0.0, metrics.leading());
    m_emptyLine = metrics.height();
    m_metrics = std::make_shared<QFontMetricsF>(metrics);
}

void MemoFlow::layOut(QTextLayout &layout) const
{
    layout.setTextOption(m_option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(m_box.width());
    layout.endLayout();
}

// Calls `line` with the height and number of each line of the paragraph. A paragraph as narrow as
// the box is one line, measured without a layout of its own.
void MemoFlow::forEachLine(qsizetype paragraph, const std::function<void(double, int)> &line) const
{
    const QStringView text = m_paragraphs.at(paragraph);
    if (text.isEmpty() || singleLine(text)) {
        line(advance(m_emptyLine), 0);
        return;
    }
    QTextLayout layout(text.toString(), m_font, m_device);
    layOut(layout);
    for (int l = 0; l < layout.lineCount(); ++l)
        line(advance(layout.lineAt(l).height()), l);
}

bool MemoFlow::singleLine(QStringView text) const
{
    return m_metrics->horizontalAdvance(text.toString()) <= m_box.width();
}

// Whether the whole text fits the box at this size; stops measuring at the box's bottom.
bool MemoFlow::fits(double size)
{
    setSize(size);
    const double room = m_box.height() + 0.5;
    double used = 0;
    for (qsizetype p = 0; p < m_paragraphs.size() && used <= room; ++p)
        forEachLine(p, [&used](double height, int) { used += height; });
    return used <= room;
}

// Every share holds at least one line, so that a box too small for any line still ends.
void MemoFlow::breakIntoShares(int maximumShares)
{
    double used = 0;
    const auto place = [&](double height, MemoPosition at) {
        if (used > 0 && used + height > m_box.height() + 0.5) {
            if (m_starts.size() >= maximumShares)
                throw QuillError(
                    u"The report would take more than %1 pages; nothing was printed"_s.arg(
                        QLocale(QLocale::English).toString(maximumShares)));
            m_starts.append(at);
            used = 0;
        }
        used += height;
    };
    for (qsizetype p = 0; p < m_paragraphs.size(); ++p)
        forEachLine(p, [&place, p](double height, int line) { place(height, {p, line}); });
}

// Whether `position` lies before the end of `share`.
bool MemoFlow::before(MemoPosition position, int share) const
{
    if (share + 1 >= m_starts.size())
        return position.paragraph < m_paragraphs.size();
    const MemoPosition end = m_starts.at(share + 1);
    return position.paragraph < end.paragraph ||
           (position.paragraph == end.paragraph && position.line < end.line);
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
    MemoPosition at = m_starts.at(share);
    for (; before(at, share) && y < m_box.height(); at = {at.paragraph + 1, 0}) {
        if (m_paragraphs.at(at.paragraph).isEmpty()) {
            y += advance(m_emptyLine);
            continue;
        }
        const QStringView text = m_paragraphs.at(at.paragraph);
        const bool single = singleLine(text);
        auto layout = std::make_shared<QTextLayout>(text.toString(), m_font, m_device);
        layOut(*layout);
        for (; at.line < layout->lineCount() && before(at, share) && y < m_box.height();
             ++at.line) {
            placed.push_back({layout, at.line, y});
            y += advance(single ? m_emptyLine : layout->lineAt(at.line).height());
        }
    }
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
        line.draw(&painter, QPointF(m_box.left(), m_box.top() + offset + p.y) - line.position());
    }
    painter.restore();
}
