#include "print/PrintTexts.h"

#include "sheet/CharacterSheet.h"

using namespace Qt::StringLiterals;

namespace PrintTexts {

namespace {

struct Section
{
    QString header;
    QList<SheetList> lists;
};

QStringList columnLines(const CharacterSheet &sheet, const QList<Section> &sections,
                        const QString &firstLine = {})
{
    QStringList lines;
    for (const Section &section : sections) {
        if (!lines.isEmpty())
            lines << QString();
        lines << section.header;
        if (lines.size() == 1 && !firstLine.isNull())
            lines << firstLine;
        for (SheetList list : section.lists)
            lines << sheet.items(list);
    }
    return lines;
}

const QList<Section> &firstColumn()
{
    static const QList<Section> sections = {
        {u"** Attunments **"_s, {SheetList::ChoirBandAttunements, SheetList::SuperiorAttunements}},
        {u"** Distinctions **"_s, {SheetList::Distinctions}},
        {u"** Songs **"_s, {SheetList::Songs}},
        {u"** Skills **"_s, {SheetList::Skills}},
    };
    return sections;
}

const QList<Section> &secondColumn()
{
    static const QList<Section> sections = {
        {u"** Vessels **"_s, {SheetList::Vessels}},
        {u"** Roles **"_s, {SheetList::Roles}},
        {u"** Servants **"_s, {SheetList::Servants}},
        {u"** Artifacts **"_s, {SheetList::Artifacts}},
        {u"** Discords **"_s, {SheetList::Discords}},
    };
    return sections;
}

} // namespace

QString documentName(const CharacterSheet &sheet)
{
    const QString name = sheet.text(SheetValue::CharacterName).trimmed();
    const bool prompt = name == SheetNames::startText(SheetValue::CharacterName);
    return name.isEmpty() || prompt ? u"Character"_s : name;
}

QString layoutPath(const QString &currentFolder)
{
    return currentFolder + u"/qmsheet.rav"_s;
}

QString choirBandLine(const CharacterSheet &sheet)
{
    return sheet.text(SheetValue::ChoirBand) + u" of "_s + sheet.text(SheetValue::Superior);
}

QList<Field> textFields(const CharacterSheet &sheet)
{
    const auto value = [&sheet](SheetValue v) { return sheet.text(v); };
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
    return columnLines(sheet, firstColumn(), choirBandLine(sheet));
}

QStringList secondColumnLines(const CharacterSheet &sheet)
{
    return columnLines(sheet, secondColumn());
}

QList<SheetList> printedListOrder()
{
    QList<SheetList> order;
    for (const Section &section : firstColumn() + secondColumn())
        order << section.lists;
    return order;
}

QString memoText(const QStringList &lines)
{
    return lines.join(u'\r');
}

} // namespace PrintTexts
