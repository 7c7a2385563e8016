#include "export/SheetMarkdown.h"

#include "export/LastLine.h"
#include "export/SheetDescription.h"
#include "sheet/SheetValues.h"

using namespace Qt::StringLiterals;

namespace SheetMarkdown {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Markup anywhere in a line: emphasis, code, links, HTML, entities, table cells, strike-through,
// a heading's closing "#".
bool inlineMarkup(QChar c)
{
    return QStringView(u"\\`*_[]<&|~#").contains(c);
}

// Markup only at the start of a line: quotes, list items, rules.
bool blockMarkup(QChar c)
{
    return QStringView(u">-+=").contains(c);
}

// The "." or ")" that would make leading digits an ordered list item.
qsizetype listNumberEnd(const QString &text, qsizetype start)
{
    qsizetype i = start;
    while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128)
        ++i;
    if (i > start && i < text.size() && (text.at(i) == u'.' || text.at(i) == u')'))
        return i;
    return -1;
}

QString blankReference(QChar c)
{
    return c == u'\t' ? u"&#9;"_s : u"&#32;"_s;
}

void line(QString &out, const QString &text = {})
{
    out += text;
    out += u'\n';
}

void bulletList(QString &out, const QList<std::pair<QString, QString>> &rows)
{
    for (const auto &[label, value] : rows)
        line(out, u"- **"_s + SheetNames::labelled(label) + u"** "_s + escaped(value));
}

void realmTable(QString &out, const SheetExport::Description &d)
{
    line(out, u"| %1 | %2 | %3 |"_s.arg(SheetExport::realmHeader(), SheetExport::forcesHeader(),
                                        SheetExport::characteristicsHeader()));
    line(out, u"| --- | ---: | --- |"_s);
    for (const SheetExport::Realm &realm : d.realms) {
        const auto &[first, second] = realm.characteristics;
        line(out, u"| "_s + realm.forces.label() + u" | "_s + escaped(realm.forces.text) +
                      u" | "_s + first.label() + u' ' + escaped(first.text) + u", "_s +
                      second.label() + u' ' + escaped(second.text) + u" |"_s);
    }
}

void sections(QString &out, const SheetExport::Description &d)
{
    for (const SheetExport::List &list : d.lists) {
        if (list.items.isEmpty())
            continue;
        line(out);
        line(out, u"## "_s + SheetNames::heading(list.list));
        line(out);
        for (const QString &item : list.shown())
            line(out, u"- "_s + escaped(item, Place::LineStart));
    }
}

QList<std::pair<QString, QString>> labelled(const auto &values)
{
    QList<std::pair<QString, QString>> rows;
    for (const SheetExport::Value &v : values)
        rows.append({v.label(), v.shown()});
    return rows;
}

} // namespace

QString escaped(const QString &text, Place place)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text.at(start)))
        ++start;
    while (end > start && isBlank(text.at(end - 1)))
        --end;
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < start; ++i)
        out += blankReference(text.at(i));
    const bool lineStart = place == Place::LineStart;
    const qsizetype numberEnd = lineStart ? listNumberEnd(text, start) : -1;
    for (qsizetype i = start; i < end; ++i) {
        const QChar c = text.at(i);
        if (inlineMarkup(c) || (lineStart && i == start && blockMarkup(c)) || i == numberEnd)
            out += u'\\';
        out += c;
    }
    for (qsizetype i = end; i < text.size(); ++i)
        out += blankReference(text.at(i));
    return out;
}

QByteArray write(const CharacterSheet &sheet)
{
    const SheetExport::Description d = SheetExport::describe(sheet);
    QString out;
    line(out, u"# "_s + escaped(d.name.shown()));
    line(out);
    bulletList(out, QList<std::pair<QString, QString>>{{SheetNames::typeLabel(), d.typeLabel()}} +
                        labelled(d.allegiance));
    line(out);
    realmTable(out, d);
    line(out);
    bulletList(out, labelled(d.totals));
    sections(out, d);
    line(out);
    line(out, QString::fromUtf16(SheetExport::markdownMarker));
    return out.toUtf8();
}

bool isExport(QByteArrayView bytes)
{
    return LastLine::is(bytes, SheetExport::markdownMarker);
}

} // namespace SheetMarkdown
