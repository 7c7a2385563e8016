#include "export/SheetPlainText.h"

#include "common/QuotedValue.h"
#include "export/ExportMarker.h"
#include "export/SheetDescription.h"
#include "sheet/SheetValues.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace SheetPlainText {
namespace {

// What the sheet holds, with its control and direction characters written as escapes.
QString safe(const QString &text)
{
    return QuotedValue::escapeControls(text);
}

void add(QString &out, const QString &text = {})
{
    out += text;
    out += u'\n';
}

void addAll(QString &out, const QStringList &lines)
{
    for (const QString &text : lines)
        add(out, text);
}

// A heading underlined with `rule` to its length.
void heading(QString &out, const QString &text, QChar rule)
{
    add(out, text);
    add(out, QString(std::max<qsizetype>(text.size(), 1), rule));
}

QList<QStringList> labelled(const auto &values)
{
    QList<QStringList> rows;
    for (const SheetExport::Value &v : values)
        rows.append({SheetNames::labelled(v.label()), safe(v.shown())});
    return rows;
}

QList<QStringList> realmRows(const SheetExport::Description &d)
{
    QList<QStringList> rows = {{SheetExport::realmHeader(), SheetExport::forcesHeader(),
                                SheetExport::characteristicsHeader()}};
    for (const SheetExport::Realm &realm : d.realms) {
        QStringList row = {realm.forces.label(), safe(realm.forces.text)};
        for (const SheetExport::Value &c : realm.characteristics)
            row << c.label() + u' ' + safe(c.text);
        rows.append(row);
    }
    return rows;
}

void sections(QString &out, const SheetExport::Description &d)
{
    for (const SheetExport::List &list : d.lists) {
        if (list.items.isEmpty())
            continue;
        add(out);
        heading(out, SheetNames::heading(list.list), u'-');
        for (const QString &item : list.shown())
            add(out, safe(item));
    }
}

} // namespace

QStringList aligned(const QList<QStringList> &rows)
{
    QList<qsizetype> widths;
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            if (c >= widths.size())
                widths.append(row.at(c).size());
            else
                widths[c] = std::max(widths.at(c), row.at(c).size());
    QStringList lines;
    for (const QStringList &row : rows) {
        QString text;
        for (qsizetype c = 0; c < row.size(); ++c)
            text += c + 1 < row.size() ? row.at(c).leftJustified(widths.at(c) + 2) : row.at(c);
        lines.append(text);
    }
    return lines;
}

QByteArray write(const CharacterSheet &sheet)
{
    const SheetExport::Description d = SheetExport::describe(sheet);
    QString out;
    heading(out, safe(d.name.shown()), u'=');
    add(out);
    // The values before and after the realms line up as one block.
    const QStringList values =
        aligned(QList<QStringList>{{SheetNames::labelled(SheetNames::typeLabel()), d.typeLabel()}} +
                labelled(d.allegiance) + labelled(d.totals));
    addAll(out, values.first(3));
    add(out);
    addAll(out, aligned(realmRows(d)));
    add(out);
    addAll(out, values.sliced(3));
    sections(out, d);
    return ExportMarker::sealed(ExportMarker::Kind::Text, out.toUtf8());
}

} // namespace SheetPlainText
