#pragma once

#include <QFont>
#include <QStringView>
#include <QTextLayout>
#include <QTextOption>
#include <memory>

class QPaintDevice;

// How a memo's paragraphs are wrapped: the font, the options and the line width, for one device.
struct LineStyle
{
    QFont font;
    QTextOption option;
    double width = 0;
    // How far the second and later lines of a paragraph stand in, so that they do not read as
    // paragraphs of their own.
    double indent = 0;
    const QPaintDevice *device = nullptr;
};

// The wrapped lines of one paragraph, from a given character on, in order; every line but the
// paragraph's first is indented, its position's x being the indent. The paragraph is laid
// out a piece of about a thousand characters at a time, each piece starting where a line starts,
// so the cost of a line never depends on the length of the paragraph: Qt's own layout of one long
// run without blanks takes time in the square of its length, and its positions overflow on a
// paragraph a few hundred thousand characters wide.
class ParagraphLines
{
public:
    ParagraphLines(QStringView paragraph, qsizetype from, const LineStyle &style);

    // Moves to the next line; false after the last.
    bool next();
    QTextLine line() const { return m_layout->lineAt(m_line); }
    // The layout that holds line(); it stays valid as long as it is kept.
    std::shared_ptr<QTextLayout> layout() const { return m_layout; }
    int lineIndex() const { return m_line; }
    // Where line() starts in the paragraph.
    qsizetype start() const { return m_pieceStart + line().textStart(); }

private:
    void layOutPiece(qsizetype from);

    QStringView m_paragraph;
    LineStyle m_style;
    std::shared_ptr<QTextLayout> m_layout;
    qsizetype m_pieceStart = 0;
    int m_line = -1;
    int m_kept = 0; // lines of the piece that are the paragraph's own
    bool m_lastPiece = false;
};
