#include "export/SheetMarkdown.h"

#include "common/QuotedValue.h"
#include "export/ExportMarker.h"
#include "export/SheetDescription.h"
#include "sheet/SheetValues.h"

using namespace Qt::StringLiterals;

namespace SheetMarkdown {
namespace {

// Markup anywhere in a line: emphasis, code, links, HTML, entities, table cells, strike-through,
// a heading's closing "#".
bool inlineMarkup(QChar c)
{
    return QStringView(u"\\`*_[]<&|~#").contains(c);
}

// What GitHub's renderer, and not plain CommonMark, would make a link: "www." and "scheme://".
// Escaping the "." of "www." and the ":" of "://" keeps them text under both. (An e-mail address
// it links whatever is escaped; the text still reads the same.)
bool startsLink(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    return (c == u':' && QStringView(text).sliced(i + 1).startsWith(u"//")) ||
           (c == u'.' && i >= 3 &&
            QStringView(text).sliced(i - 3, 3).compare(u"www", Qt::CaseInsensitive) == 0);
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

// The realms in a list of their own: "*" where the lists around it use "-", so that Markdown
// keeps the three lists apart, each tight.
void realmList(QString &out, const SheetExport::Description &d)
{
    for (const SheetExport::Realm &realm : d.realms) {
        const auto &[first, second] = realm.characteristics;
        line(out, u"* **"_s + SheetNames::labelled(realm.forces.label()) + u"** "_s +
                      SheetExport::forcesHeader() + u' ' + escaped(realm.forces.text) + u", "_s +
                      first.label() + u' ' + escaped(first.text) + u", "_s + second.label() + u' ' +
                      escaped(second.text));
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

QString escaped(const QString &typed, Place place)
{
    const QString text = QuotedValue::escapeControls(typed);
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == u' ')
        ++start;
    while (end > start && text.at(end - 1) == u' ')
        --end;
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < start; ++i)
        out += u"&#32;"_s;
    const bool lineStart = place == Place::LineStart;
    const qsizetype numberEnd = lineStart ? listNumberEnd(text, start) : -1;
    for (qsizetype i = start; i < end; ++i) {
        const QChar c = text.at(i);
        if (inlineMarkup(c) || (lineStart && i == start && blockMarkup(c)) || i == numberEnd ||
            startsLink(text, i))
            out += u'\\';
        out += c;
    }
    for (qsizetype i = end; i < text.size(); ++i)
        out += u"&#32;"_s;
    return out;
}

QByteArray copy(const CharacterSheet &sheet)
{
    const SheetExport::Description d = SheetExport::describe(sheet);
    QString out;
    line(out, u"# "_s + escaped(d.name.shown()));
    line(out);
    bulletList(out, QList<std::pair<QString, QString>>{{SheetNames::typeLabel(), d.typeLabel()}} +
                        labelled(d.allegiance));
    line(out);
    realmList(out, d);
    line(out);
    bulletList(out, labelled(d.totals));
    sections(out, d);
    return out.toUtf8();
}

QByteArray write(const CharacterSheet &sheet)
{
    return ExportMarker::sealed(ExportMarker::Kind::Markdown, copy(sheet));
}

} // namespace SheetMarkdown
