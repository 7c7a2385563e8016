#pragma once

#include "print/report/layout/ReportLayout.h"
#include "print/report/pages/ParagraphLines.h"

#include <QList>
#include <QRectF>
#include <QStringView>
#include <functional>
#include <memory>

class QFontMetricsF;
class QPainter;
class QPaintDevice;

// Where a box's share of a memo begins: a paragraph (one CR-separated line of the memo's text)
// and the character of that paragraph where one of its wrapped lines starts.
struct MemoPosition
{
    qsizetype paragraph = 0;
    qsizetype offset = 0;
};

// A memo's text laid out in its box for one device. The text is laid out only as far as it is
// measured or drawn, and each share is laid out from its own first line, so a long memo costs
// time in proportion to its length, and a share in proportion to its own lines.
//
// The size is the style's own when the text fits; otherwise it is made smaller in steps, down to
// 40 % of it for a memo that shrinks and 75 % (not below 4 points) for one that continues. Text
// that continues and does not fit even then keeps the style's size and is broken into shares of
// one box each, in order; a word wider than the box is broken at its edge. The second and later
// lines of a wrapped paragraph stand in by about two letters.
class MemoFlow
{
public:
    // `box` in device pixels.
    MemoFlow(const LayoutPart &part, qsizetype partIndex, const QRectF &box,
             const QPaintDevice *device);

    qsizetype partIndex() const { return m_partIndex; }
    // How many boxes the text takes; 1 until it is broken into shares.
    int shares() const { return int(m_starts.size()); }
    double pointSize() const { return m_lineStyle.font.pointSizeF(); }

    // Breaks a memo that continues into shares, in one pass over its lines. `found` hears the
    // number of shares as each new one begins and may answer false to stop the pass; this then
    // returns false. Raises QuillError when the text would take more than `maximumShares` boxes.
    bool breakIntoShares(int maximumShares, const std::function<bool(int shares)> &found = {});

    // Draws the share `share` (from 0) into the box; a share past the last draws nothing.
    void draw(QPainter &painter, int share) const;

private:
    // Hears each line's position and height (the advance to the next line) and the lines it
    // belongs to (none for a line measured without a layout); answers false to stop.
    using LineVisit =
        std::function<bool(MemoPosition at, double height, const ParagraphLines *lines)>;

    bool fits(double size);
    void setSize(double size);
    void forEachLine(MemoPosition from, bool drawn, const LineVisit &visit) const;
    bool singleLine(QStringView text) const;
    double advance(double lineHeight) const { return lineHeight + m_leading; }
    MemoPosition end(int share) const;

    qsizetype m_partIndex;
    LayoutFont m_style;
    QRectF m_box;
    bool m_continues;
    LineStyle m_lineStyle;
    double m_leading = 0;
    double m_emptyLine = 0;
    std::shared_ptr<QFontMetricsF> m_metrics;
    QList<QStringView> m_paragraphs;
    QList<MemoPosition> m_starts{MemoPosition()};
};
