#include "files/CharacterFile.h"

#include "common/CharacterFileCheck.h"
#include "common/QuillError.h"
#include "common/QuotedValue.h"
#include "common/Translations.h"
#include "files/Tr.h"
#include "sheet/IntText.h"

#include <QLocale>
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

QString tooLongMessage(const CharacterFileCheck::Finding &finding)
{
    return FilesTr::tr("Line %1 of the character file is too long: %2; a value may have at most %3 "
                       "characters")
        .arg(Translations::number(finding.line),
             QuotedValue::quote(finding.start, u"'", u"'", finding.length),
             Translations::number(CharacterFileCheck::maxValueLength));
}

// A type that is no number, or a value far too long to show, fails the file before any of it is
// decoded: the line may be millions of characters long, and neither its decoded copy nor a
// message of its length is needed.
void check(QByteArrayView text)
{
    using What = CharacterFileCheck::Finding::What;
    const CharacterFileCheck::Finding finding = CharacterFileCheck::check(text);
    if (finding.what == What::NotAnInteger)
        throw QuillError(IntText::notAnInteger(finding.start, finding.length));
    if (finding.what == What::TooLong)
        throw QuillError(tooLongMessage(finding));
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
    const QByteArrayView text = CharacterFileCheck::text(bytes);
    check(text);
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
