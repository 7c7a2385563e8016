#include "print/PrintTexts.h"

#include "print/Tr.h"
#include "resources/ItemFields.h"
#include "sheet/CharacterSheet.h"

using namespace Qt::StringLiterals;

namespace PrintTexts {

namespace {

// A column: the header of each section, with the section's lists' items under it as the player
// reads them, and an empty line between two sections; the first column's Choir/Band line stands
// under its first header.
QStringList columnLines(const CharacterSheet &sheet, int column, const QString &firstLine = {})
{
    QStringList lines;
    for (SheetList list : SheetNames::printedOrder()) {
        if (SheetNames::printedColumn(list) != column)
            continue;
        if (const QString header = SheetNames::printedHeader(list); !header.isEmpty()) {
            if (!lines.isEmpty())
                lines << QString();
            lines << header;
            if (lines.size() == 1 && !firstLine.isNull())
                lines << firstLine;
        }
        lines << Resources::ShownItems(list)(sheet.items(list));
    }
    return lines;
}

// A value as the window shows it: a prompt still standing prints in the program's language.
QString shown(const CharacterSheet &sheet, SheetValue value)
{
    return SheetNames::shown(value, sheet.text(value));
}

} // namespace

QString documentName(const CharacterSheet &sheet)
{
    const QString name = SheetNames::given(SheetValue::CharacterName,
                                           sheet.text(SheetValue::CharacterName).trimmed());
    return name.isEmpty() ? u"Character"_s : name;
}

QString layoutPath(const QString &currentFolder)
{
    return currentFolder + u"/qmsheet.rav"_s;
}

QString choirBandLine(const CharacterSheet &sheet)
{
    return PrintTr::tr("%1 of %2")
        .arg(shown(sheet, SheetValue::ChoirBand), shown(sheet, SheetValue::Superior));
}

QList<Field> textFields(const CharacterSheet &sheet)
{
    const auto value = [&sheet](SheetValue v) { return shown(sheet, v); };
    return {
        {u"cname"_s, value(SheetValue::CharacterName)},
        {u"chior_band"_s, choirBandLine(sheet)},
        {u"Corpforce"_s, value(SheetValue::Corporeal)},
        {u"Ethforce"_s, value(SheetValue::Ethereal)},
        {u"Celforce"_s, value(SheetValue::Celestial)},
        {u"Strength"_s, value(SheetValue::Strength)},
        {u"Agility"_s, value(SheetValue::Agility)},
        {u"Intelligence"_s, value(SheetValue::Intelligence)},
        {u"Precision"_s, value(SheetValue::Precision)},
        {u"Mindhits"_s, value(SheetValue::MindHits)},
        {u"Will"_s, value(SheetValue::Will)},
        {u"Perception"_s, value(SheetValue::Perception)},
        {u"SoulHits"_s, value(SheetValue::SoulHits)},
    };
}

QStringList firstColumnLines(const CharacterSheet &sheet)
{
    return columnLines(sheet, 0, choirBandLine(sheet));
}

QStringList secondColumnLines(const CharacterSheet &sheet)
{
    return columnLines(sheet, 1);
}

QString memoText(const QStringList &lines)
{
    return lines.join(u'\r');
}

} // namespace PrintTexts
