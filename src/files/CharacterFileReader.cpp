#include "files/CharacterFile.h"

#include "sheet/IntText.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Files written on the older Windows platform are Windows-1252; everything this program writes
// is UTF-8. A text that decodes as UTF-8 without error is taken as UTF-8.
QString decodeText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    // A Qt built without its codec library knows only Latin-1, which differs in 0x80 to 0x9F.
    return windows1252.isValid() ? QString(windows1252(bytes)) : QString::fromLatin1(bytes);
}

// Hands out the lines of a text one at a time; CR LF, CR and LF each end a line.
class LineReader
{
public:
    explicit LineReader(QStringView text) : m_text(text) {}

    std::optional<QStringView> next()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        const QStringView line = m_text.sliced(start, m_pos - start);
        if (m_pos < m_text.size()) {
            const QChar lineEnd = m_text[m_pos++];
            if (lineEnd == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
                ++m_pos;
        }
        return line;
    }

    // Past the end of the file every line reads as empty text.
    QString nextOrEmpty() { return next().value_or(QStringView()).toString(); }

private:
    static bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Reads one list up to its marker; false when the text ended first.
bool readList(LineReader &lines, QStringList &items)
{
    while (const auto line = lines.next()) {
        if (*line == u"*")
            return true;
        items.append(line->toString());
    }
    return false;
}

} // namespace

namespace CharacterFileFormat {

CharacterFile decode(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\x1a');
    const QString text = decodeText(end < 0 ? bytes : bytes.first(end));
    LineReader lines(text);

    CharacterFile file;
    file.text(SheetValue::CharacterName) = lines.nextOrEmpty();
    file.typeIndex = std::clamp(IntText::toInt(lines.nextOrEmpty()), -1, 7);
    for (SheetValue v : SheetNames::allValues()) {
        if (v != SheetValue::CharacterName)
            file.text(v) = lines.nextOrEmpty();
    }
    for (QStringList &list : file.lists) {
        if (!readList(lines, list)) {
            file.complete = false;
            break;
        }
    }
    return file;
}

} // namespace CharacterFileFormat
