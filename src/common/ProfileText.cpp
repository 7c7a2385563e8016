#include "common/ProfileText.h"

#include <QList>

namespace ProfileText {
namespace {

struct Line
{
    qsizetype begin;
    qsizetype textEnd; // where the line end starts
    qsizetype end;     // after the line end
};

QList<Line> splitLines(const QByteArray &content)
{
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < content.size()) {
        const qsizetype newline = content.indexOf('\n', begin);
        const qsizetype end = newline < 0 ? content.size() : newline + 1;
        qsizetype textEnd = newline < 0 ? content.size() : newline;
        if (textEnd > begin && content.at(textEnd - 1) == '\r' && newline >= 0)
            --textEnd;
        lines.append({begin, textEnd, end});
        begin = end;
    }
    return lines;
}

QByteArrayView textOf(const QByteArray &content, const Line &line)
{
    return QByteArrayView(content).sliced(line.begin, line.textEnd - line.begin).trimmed();
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return qstrnicmp(a.data(), a.size(), b.data(), b.size()) == 0;
}

std::optional<QByteArrayView> sectionName(QByteArrayView text)
{
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return text.sliced(1, close - 1).trimmed();
}

bool isComment(QByteArrayView text)
{
    return text.startsWith(';') || text.startsWith('#');
}

// The key of a "key=value" line and the offset of its "=" within the trimmed text.
std::optional<std::pair<QByteArrayView, qsizetype>> keyOf(QByteArrayView text)
{
    if (isComment(text) || sectionName(text))
        return std::nullopt;
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return std::nullopt;
    return std::pair{text.first(equals).trimmed(), equals};
}

// Where a section stands: its header line and the lines up to the next header.
struct SectionSpan
{
    qsizetype header;
    qsizetype bodyEnd;
};

std::optional<SectionSpan> findSection(const QByteArray &content, const QList<Line> &lines,
                                       QByteArrayView section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(textOf(content, lines[i]));
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !sectionName(textOf(content, lines[end])))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> findKey(const QByteArray &content, const QList<Line> &lines,
                                 const SectionSpan &span, QByteArrayView key)
{
    for (qsizetype i = span.header + 1; i < span.bodyEnd; ++i) {
        const auto found = keyOf(textOf(content, lines[i]));
        if (found && sameName(found->first, key))
            return i;
    }
    return std::nullopt;
}

QByteArray lineEndOf(const QByteArray &content)
{
    const qsizetype newline = content.indexOf('\n');
    return newline > 0 && content.at(newline - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

QByteArray keyLine(QByteArrayView key, QByteArrayView value)
{
    return key.toByteArray() + '=' + value.toByteArray();
}

QByteArray replaceValue(QByteArray content, const Line &line, QByteArrayView value)
{
    const qsizetype equals = content.indexOf('=', line.begin);
    return content.replace(equals + 1, line.textEnd - equals - 1, value.toByteArray());
}

QByteArray appendKey(QByteArray content, const QList<Line> &lines, const SectionSpan &span,
                     QByteArrayView key, QByteArrayView value)
{
    const QByteArray eol = lineEndOf(content);
    qsizetype last = span.bodyEnd - 1;
    while (last > span.header && textOf(content, lines[last]).isEmpty())
        --last;
    const Line &after = lines[last];
    QByteArray insert = keyLine(key, value) + eol;
    if (after.textEnd == after.end)
        insert.prepend(eol);
    return content.insert(after.end, insert);
}

QByteArray appendSection(QByteArray content, QByteArrayView section, QByteArrayView key,
                         QByteArrayView value)
{
    const QByteArray eol = lineEndOf(content);
    if (!content.isEmpty()) {
        if (!content.endsWith('\n'))
            content += eol;
        content += eol;
    }
    return content + '[' + section.toByteArray() + ']' + eol + keyLine(key, value) + eol;
}

} // namespace

std::optional<QByteArray> value(const QByteArray &content, QByteArrayView section,
                                QByteArrayView key)
{
    const QList<Line> lines = splitLines(content);
    const auto span = findSection(content, lines, section);
    if (!span)
        return std::nullopt;
    const auto row = findKey(content, lines, *span, key);
    if (!row)
        return std::nullopt;
    const QByteArrayView text = textOf(content, lines[*row]);
    return text.sliced(keyOf(text)->second + 1).trimmed().toByteArray();
}

QByteArray withValue(const QByteArray &content, QByteArrayView section, QByteArrayView key,
                     QByteArrayView value)
{
    const QList<Line> lines = splitLines(content);
    const auto span = findSection(content, lines, section);
    if (!span)
        return appendSection(content, section, key, value);
    if (const auto row = findKey(content, lines, *span, key))
        return replaceValue(content, lines[*row], value);
    return appendKey(content, lines, *span, key, value);
}

bool onlyProfileLines(const QByteArray &content, const QList<QByteArrayView> &sections)
{
    bool named = sections.isEmpty() || content.isEmpty();
    for (const Line &line : splitLines(content)) {
        const QByteArrayView text = textOf(content, line);
        const auto section = sectionName(text);
        if (!text.isEmpty() && !isComment(text) && !section && !keyOf(text))
            return false;
        for (QByteArrayView wanted : sections)
            named = named || (section && sameName(*section, wanted));
    }
    return named;
}

} // namespace ProfileText
