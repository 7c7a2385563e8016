#pragma once

#include "print/report/layout/ReportLayout.h"
#include "print/report/pages/ParagraphLines.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QStringView>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QFontMetricsF;
class QPainter;
class QPaintDevice;

// One line of a memo as it was measured: its paragraph (one CR-separated line of the memo's
// text), the characters of that paragraph it holds, and how far it advances to the next line.
struct MemoLine
{
    qsizetype paragraph = 0;
    qsizetype start = 0;
    qsizetype length = 0;
    double advance = 0;
};

// A memo's text laid out in its box for one device. Each line is measured once, when the size is
// chosen or the text is broken into shares, and kept with its place and height, so that drawing
// a share shapes each of its lines once more to draw it and measures nothing again. Lines are
// measured only as far as the text is needed, so a long memo costs time in proportion to its
// length, and a share in proportion to its own lines.
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
    // The lines measured so far, in order; after breakIntoShares() every line of a memo that
    // continues.
    const std::vector<MemoLine> &lines() const { return m_lines; }
    // The first of lines() that the share `share` (from 0) holds; for the share after the last,
    // the end of lines().
    qsizetype firstLine(int share) const
    {
        return m_starts.value(share, qsizetype(m_lines.size()));
    }

    // Breaks a memo that continues into shares, in one pass over its lines. `found` hears the
    // number of shares as each new one begins and may answer false to stop the pass; this then
    // returns false. Raises QuillError when the text would take more than `maximumShares` boxes,
    // the pages the report has left: it says the report is too long (ReportPages::tooManyPages()).
    bool breakIntoShares(int maximumShares, const std::function<bool(int shares)> &found = {});

    // Draws the share `share` (from 0) into the box; a share past the last draws nothing.
    void draw(QPainter &painter, int share) const;

private:
    bool fits(double size);
    void setSize(double size);
    bool measureNext();
    bool singleLine(QStringView text) const;
    double advance(double lineHeight) const { return lineHeight + m_leading; }
    void drawLine(QPainter &painter, const MemoLine &line, QPointF at) const;

    qsizetype m_partIndex;
    LayoutFont m_style;
    QRectF m_box;
    bool m_continues;
    LineStyle m_lineStyle;
    double m_leading = 0;
    double m_emptyLine = 0;
    std::shared_ptr<QFontMetricsF> m_metrics;
    QList<QStringView> m_paragraphs;
    std::vector<MemoLine> m_lines;
    // Where measuring goes on: the next paragraph, or the wrapped lines of the one begun.
    qsizetype m_nextParagraph = 0;
    std::optional<ParagraphLines> m_wrapped;
    QList<qsizetype> m_starts{0};
};
