#include "print/PrintTexts.h"

#include "sheet/CharacterSheet.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PrintTexts)
};

} // namespace

namespace PrintTexts {

namespace {

struct Section
{
    const char *header; // in English; printed in the program's language
    QList<SheetList> lists;
};

QStringList columnLines(const CharacterSheet &sheet, const QList<Section> &sections,
                        const QString &firstLine = {})
{
    QStringList lines;
    for (const Section &section : sections) {
        if (!lines.isEmpty())
            lines << QString();
        lines << Text::tr(section.header);
        if (lines.size() == 1 && !firstLine.isNull())
            lines << firstLine;
        for (SheetList list : section.lists)
            lines << sheet.items(list);
    }
    return lines;
}

// A value as the window shows it: a prompt still standing prints in the program's language.
QString shown(const CharacterSheet &sheet, SheetValue value)
{
    return SheetNames::shownText(value, sheet.text(value));
}

const QList<Section> &firstColumn()
{
    static const QList<Section> sections = {
        {QT_TRANSLATE_NOOP("PrintTexts", "** Attunments **"),
         {SheetList::ChoirBandAttunements, SheetList::SuperiorAttunements}},
        {QT_TRANSLATE_NOOP("PrintTexts", "** Distinctions **"), {SheetList::Distinctions}},
        {QT_TRANSLATE_NOOP("PrintTexts", "** Songs **"), {SheetList::Songs}},
        {QT_TRANSLATE_NOOP("PrintTexts", "** Skills **"), {SheetList::Skills}},
    };
    return sections;
}

const QList<Section> &secondColumn()
{
    static const QList<Section> sections = {
        {QT_TRANSLATE_NOOP("PrintTexts", "** Vessels **"), {SheetList::Vessels}},
        {QT_TRANSLATE_NOOP("PrintTexts", "** Roles **"), {SheetList::Roles}},
        {QT_TRANSLATE_NOOP("PrintTexts", "** Servants **"), {SheetList::Servants}},
        {QT_TRANSLATE_NOOP("PrintTexts", "** Artifacts **"), {SheetList::Artifacts}},
        {QT_TRANSLATE_NOOP("PrintTexts", "** Discords **"), {SheetList::Discords}},
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
    return Text::tr("%1 of %2")
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
