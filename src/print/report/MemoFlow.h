#pragma once

#include "print/report/ReportLayout.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QStringView>
#include <QTextOption>
#include <functional>
#include <memory>

class QFontMetricsF;
class QPainter;
class QPaintDevice;
class QTextLayout;

// Where a page's share of a memo begins: a paragraph (one CR-separated line of the memo's text)
// and a line of that paragraph's wrapped layout.
struct MemoPosition
{
    qsizetype paragraph = 0;
    int line = 0;
};

// A memo's text laid out in its box for one device. The text is laid out a paragraph at a time,
// and only as far as it is measured or drawn, so a long memo costs time in proportion to its
// length, never to its length times the number of sizes tried.
//
// The size is the style's own when the text fits; otherwise it is made smaller in steps, down to
// 40 % of it for a memo that shrinks and 75 % (not below 4 points) for one that continues. Text
// that continues and still does not fit is broken into shares of one box each, in order.
class MemoFlow
{
public:
    // `box` in device pixels. Raises QuillError when the text would take more than `maximumShares`
    // boxes.
    MemoFlow(const LayoutPart &part, qsizetype partIndex, const QRectF &box,
             const QPaintDevice *device, int maximumShares);

    qsizetype partIndex() const { return m_partIndex; }
    // How many boxes the text takes; 1 for a memo that does not continue.
    int shares() const { return int(m_starts.size()); }
    double pointSize() const { return m_font.pointSizeF(); }

    // Draws the share `share` (from 0) into the box; a share past the last draws nothing.
    void draw(QPainter &painter, int share) const;

private:
    bool fits(double size);
    void setSize(double size);
    void breakIntoShares(int maximumShares);
    void layOut(QTextLayout &layout) const;
    void forEachLine(qsizetype paragraph, const std::function<void(double, int)> &line) const;
    bool singleLine(QStringView text) const;
    double advance(double lineHeight) const { return lineHeight + m_leading; }
    bool before(MemoPosition position, int share) const;

    qsizetype m_partIndex;
    LayoutFont m_style;
    QRectF m_box;
    const QPaintDevice *m_device;
    bool m_continues;
    QFont m_font;
    QTextOption m_option;
    double m_leading = 0;
    double m_emptyLine = 0;
    std::shared_ptr<QFontMetricsF> m_metrics;
    QList<QStringView> m_paragraphs;
    QList<MemoPosition> m_starts{MemoPosition()};
};
