#include "print/report/pages/ParagraphLines.h"

namespace {

constexpr qsizetype pieceLength = 1000;

} // namespace

ParagraphLines::ParagraphLines(QStringView paragraph, qsizetype from, const LineStyle &style)
    : m_paragraph(paragraph), m_style(style)
{
    layOutPiece(from);
}

// A piece that ends inside the paragraph keeps all its lines but the last, which may have been
// cut short by the piece's end; the next piece starts where that line starts. A piece too short
// for that is made longer.
void ParagraphLines::layOutPiece(qsizetype from)
{
    for (qsizetype length = pieceLength;; length *= 2) {
        m_lastPiece = m_paragraph.size() - from <= length;
        const qsizetype size = m_lastPiece ? m_paragraph.size() - from : length;
        m_layout = std::make_shared<QTextLayout>(m_paragraph.mid(from, size).toString(),
                                                 m_style.font, m_style.device);
        m_layout->setTextOption(m_style.option);
        m_layout->beginLayout();
        for (QTextLine line = m_layout->createLine(); line.isValid();
             line = m_layout->createLine()) {
            const double indent = from == 0 && line.textStart() == 0 ? 0 : m_style.indent;
            line.setLineWidth(m_style.width - indent);
            line.setPosition(QPointF(indent, line.position().y()));
        }
        m_layout->endLayout();
        m_kept = m_lastPiece ? m_layout->lineCount() : m_layout->lineCount() - 1;
        if (m_lastPiece || (m_kept > 0 && m_layout->lineAt(m_kept).textStart() > 0))
            break;
    }
    m_pieceStart = from;
    m_line = -1;
}

bool ParagraphLines::next()
{
    if (m_line + 1 < m_kept) {
        ++m_line;
        return true;
    }
    if (m_lastPiece)
        return false;
    layOutPiece(m_pieceStart + m_layout->lineAt(m_kept).textStart());
    m_line = 0;
    return m_kept > 0;
}
