#include "common/CharacterFileCheck.h"

#include "common/IntegerSyntax.h"
#include "common/QuotedValue.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace CharacterFileCheck {
namespace {

constexpr int valueLines = 17;
constexpr int typeLine = 2;

qsizetype lineEnd(QByteArrayView text, qsizetype from)
{
    while (from < text.size() && text[from] != '\r' && text[from] != '\n')
        ++from;
    return from;
}

// The line's length in characters and its first characters, as the reader decodes it: UTF-8
// when the line is valid UTF-8, Windows-1252 (one character a byte) otherwise.
void measure(QByteArrayView line, Finding &finding)
{
    // A character takes at most 4 bytes in UTF-8.
    const QByteArrayView head = line.first(qMin(line.size(), 4 * (QuotedValue::maxQuoted + 1)));
    if (QUtf8StringView(line).isValidUtf8()) {
        qsizetype length = 0;
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            length += ((byte & 0xc0) != 0x80) + (byte >= 0xf0); // 4 bytes make a surrogate pair
        }
        finding.length = length;
        finding.start = QString::fromUtf8(head);
        return;
    }
    finding.length = line.size();
    QStringDecoder windows1252("windows-1252");
    // A Qt built without its codec library knows only Latin-1, which differs in 0x80 to 0x9F.
    finding.start = windows1252.isValid() ? QString(windows1252(head)) : QString::fromLatin1(head);
}

Finding refused(Finding::What what, int line, QByteArrayView text)
{
    Finding finding;
    finding.what = what;
    finding.line = line;
    measure(text, finding);
    return finding;
}

} // namespace

QByteArrayView text(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\x1a');
    QByteArrayView text = end < 0 ? bytes : bytes.first(end);
    return text.startsWith("\xef\xbb\xbf") ? text.sliced(3) : text;
}

Finding check(QByteArrayView text, bool whole)
{
    qsizetype start = 0;
    for (int line = 1; line <= valueLines; ++line) {
        const qsizetype end = lineEnd(text, start);
        const QByteArrayView content = text.sliced(start, end - start);
        const bool cut = end == text.size() && !whole;
        // Past the end of the file every line reads as empty text.
        if (line == typeLine && !cut && !IntegerSyntax::parse(QLatin1StringView(content)))
            return refused(Finding::What::NotAnInteger, line, content);
        // Most lines are far shorter than the limit in bytes already, so only those near it are
        // counted character by character.
        if (line != typeLine && content.size() > maxValueLength) {
            const Finding measured = refused(Finding::What::TooLong, line, content);
            if (measured.length > maxValueLength)
                return measured;
        }
        if (cut)
            return {Finding::What::CutShort, line, {}, 0};
        start = end;
        if (start < text.size())
            start += text.sliced(start).startsWith("\r\n") ? 2 : 1;
    }
    return {};
}

} // namespace CharacterFileCheck
