#include "files/CharacterFile.h"

#include "common/QuillError.h"
#include "common/QuotedValue.h"
#include "sheet/IntText.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Files written on the older Windows platform are Windows-1252; everything this program writes
// is UTF-8. Each line is taken as UTF-8 when it decodes without error, so a file that gained a
// Windows-1252 line from another editor keeps its UTF-8 lines right.
class LineDecoder
{
public:
    QString decode(QByteArrayView line)
    {
        m_utf8.resetState();
        QString text = m_utf8(line);
        if (!m_utf8.hasError())
            return text;
        return windows1252(line);
    }

    QString windows1252(QByteArrayView line)
    {
        if (!m_windows1252)
            m_windows1252.emplace("windows-1252");
        // A Qt built without its codec library knows only Latin-1, which differs in 0x80 to 0x9F.
        if (!m_windows1252->isValid())
            return QString::fromLatin1(line);
        m_windows1252->resetState();
        return (*m_windows1252)(line);
    }

private:
    // A byte-order mark is dropped once, at the start of the file, not at the start of each line;
    // a sequence cut off by the end of its line is an error, not a wait for more bytes.
    QStringDecoder m_utf8{QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                    QStringDecoder::Flag::Stateless};
    std::optional<QStringDecoder> m_windows1252;
};

// Hands out the lines of a text one at a time, each decoded by `decode`; CR LF, CR and LF each
// end a line. The text is QStringView (already decoded) or QByteArrayView (decoded by the line).
template <class View, class Decode> class LineReader
{
public:
    LineReader(View text, Decode decode) : m_text(text), m_decode(std::move(decode)) {}

    std::optional<QString> next()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        const View line = m_text.sliced(start, m_pos - start);
        if (m_pos < m_text.size()) {
            const auto lineEnd = m_text[m_pos++];
            if (lineEnd == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
                ++m_pos;
        }
        return m_decode(line);
    }

    // Past the end of the file every line reads as empty text.
    QString nextOrEmpty() { return next().value_or(QString()); }

private:
    template <class C> static bool isLineEnd(C c) { return c == u'\r' || c == u'\n'; }

    View m_text;
    Decode m_decode;
    qsizetype m_pos = 0;
};

enum class ListEnd
{
    Marker,
    EndOfText,
    TooManyItems
};

// Reads one list up to its marker, taking at most `room` items off it.
template <class Lines> ListEnd readList(Lines &lines, QStringList &items, qsizetype &room)
{
    while (const auto line = lines.next()) {
        if (*line == u"*")
            return ListEnd::Marker;
        if (room-- == 0)
            return ListEnd::TooManyItems;
        items.append(*line);
    }
    return ListEnd::EndOfText;
}

qsizetype lineEnd(QByteArrayView text, qsizetype from)
{
    while (from < text.size() && text[from] != '\r' && text[from] != '\n')
        ++from;
    return from;
}

// The second line, which holds the character's type.
QByteArrayView typeLine(QByteArrayView text)
{
    qsizetype start = lineEnd(text, 0);
    if (start < text.size())
        start += text.sliced(start).startsWith("\r\n") ? 2 : 1;
    return text.sliced(start, lineEnd(text, start) - start);
}

// How many characters the line decodes to, and the first of them, as the reader decodes it.
QString lineStart(QByteArrayView line, qsizetype &length)
{
    // A character takes at most 4 bytes in UTF-8.
    const QByteArrayView head = line.first(qMin(line.size(), 4 * (QuotedValue::maxQuoted + 1)));
    if (QUtf8StringView(line).isValidUtf8()) {
        length = 0;
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            length += ((byte & 0xc0) != 0x80) + (byte >= 0xf0); // 4 bytes make a surrogate pair
        }
        return QString::fromUtf8(head);
    }
    length = line.size();
    return LineDecoder().windows1252(head);
}

// A type that is no number fails the file before any of it is decoded: the line may be millions
// of characters long, and neither its decoded copy nor a message of its length is needed.
void checkTypeLine(QByteArrayView text)
{
    const QByteArrayView line = typeLine(text);
    if (IntText::parse(QLatin1StringView(line)))
        return;
    qsizetype length = 0;
    const QString start = lineStart(line, length);
    throw QuillError(IntText::notAnInteger(start, length));
}

template <class Lines> CharacterFile readLines(Lines &lines)
{
    CharacterFile file;
    file.text(SheetValue::CharacterName) = lines.nextOrEmpty();
    file.typeIndex = std::clamp(IntText::toInt(lines.nextOrEmpty()), -1, 7);
    for (SheetValue v : SheetNames::allValues()) {
        if (v != SheetValue::CharacterName)
            file.text(v) = lines.nextOrEmpty();
    }
    qsizetype room = CharacterFileFormat::maximumItems;
    for (QStringList &list : file.lists) {
        const ListEnd end = readList(lines, list, room);
        file.complete = end != ListEnd::EndOfText;
        file.tooManyItems = end == ListEnd::TooManyItems;
        if (end != ListEnd::Marker)
            break;
    }
    return file;
}

} // namespace

namespace CharacterFileFormat {

CharacterFile decode(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\x1a');
    QByteArrayView text = end < 0 ? bytes : bytes.first(end);
    if (text.startsWith("\xef\xbb\xbf"))
        text = text.sliced(3);
    checkTypeLine(text);
    // Most files are UTF-8 throughout and are decoded in one go.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    const QString whole = utf8(text);
    if (!utf8.hasError()) {
        LineReader lines(QStringView(whole), [](QStringView line) { return line.toString(); });
        return readLines(lines);
    }
    LineDecoder decoder;
    LineReader lines(text, [&decoder](QByteArrayView line) { return decoder.decode(line); });
    return readLines(lines);
}

} // namespace CharacterFileFormat
