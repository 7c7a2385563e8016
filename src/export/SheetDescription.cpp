#include "export/SheetDescription.h"

#include "print/PrintTexts.h"
#include "sheet/CharacterSheet.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace SheetExport {
namespace {

struct ListWords
{
    const char *key;
    const char *heading;
};

// By SheetList.
constexpr std::array<ListWords, SheetListCount> listWords = {{
    {"choirBandAttunements", QT_TRANSLATE_NOOP("SheetExport", "Extra Choir/Band Attunements")},
    {"superiorAttunements", QT_TRANSLATE_NOOP("SheetExport", "Extra Superior Attunements")},
    {"songs", QT_TRANSLATE_NOOP("SheetExport", "Songs")},
    {"skills", QT_TRANSLATE_NOOP("SheetExport", "Skills")},
    {"vessels", QT_TRANSLATE_NOOP("SheetExport", "Vessels")},
    {"roles", QT_TRANSLATE_NOOP("SheetExport", "Roles")},
    {"servants", QT_TRANSLATE_NOOP("SheetExport", "Servants")},
    {"artifacts", QT_TRANSLATE_NOOP("SheetExport", "Artifacts")},
    {"discords", QT_TRANSLATE_NOOP("SheetExport", "Discords")},
    {"distinctions", QT_TRANSLATE_NOOP("SheetExport", "Distinctions")},
}};

Value value(const CharacterSheet &sheet, SheetValue v, const char *key, const char *label)
{
    return {key, label, sheet.text(v)};
}

std::array<Realm, 3> realms(const CharacterSheet &sheet)
{
    const auto v = [&sheet](SheetValue which, const char *key, const char *label) {
        return value(sheet, which, key, label);
    };
    return {{
        {"corporeal",
         QT_TRANSLATE_NOOP("SheetExport", "Corporeal"),
         v(SheetValue::Corporeal, "forces", QT_TRANSLATE_NOOP("SheetExport", "Forces")),
         {v(SheetValue::Strength, "strength", QT_TRANSLATE_NOOP("SheetExport", "Strength")),
          v(SheetValue::Agility, "agility", QT_TRANSLATE_NOOP("SheetExport", "Agility"))}},
        {"ethereal",
         QT_TRANSLATE_NOOP("SheetExport", "Ethereal"),
         v(SheetValue::Ethereal, "forces", QT_TRANSLATE_NOOP("SheetExport", "Forces")),
         {v(SheetValue::Intelligence, "intelligence",
            QT_TRANSLATE_NOOP("SheetExport", "Intelligence")),
          v(SheetValue::Precision, "precision", QT_TRANSLATE_NOOP("SheetExport", "Precision"))}},
        {"celestial",
         QT_TRANSLATE_NOOP("SheetExport", "Celestial"),
         v(SheetValue::Celestial, "forces", QT_TRANSLATE_NOOP("SheetExport", "Forces")),
         {v(SheetValue::Will, "will", QT_TRANSLATE_NOOP("SheetExport", "Will")),
          v(SheetValue::Perception, "perception", QT_TRANSLATE_NOOP("SheetExport", "Perception"))}},
    }};
}

std::array<Value, 4> totals(const CharacterSheet &sheet)
{
    return {{
        value(sheet, SheetValue::TotalForces, "totalForces",
              QT_TRANSLATE_NOOP("SheetExport", "Total Forces")),
        value(sheet, SheetValue::CharacterPoints, "characterPoints",
              QT_TRANSLATE_NOOP("SheetExport", "Character Points")),
        value(sheet, SheetValue::MindHits, "mindHits",
              QT_TRANSLATE_NOOP("SheetExport", "Mind Hits")),
        value(sheet, SheetValue::SoulHits, "soulHits",
              QT_TRANSLATE_NOOP("SheetExport", "Soul Hits")),
    }};
}

QList<List> lists(const CharacterSheet &sheet)
{
    QList<List> all;
    for (SheetList list : PrintTexts::printedListOrder()) {
        const ListWords &words = listWords.at(static_cast<std::size_t>(list));
        all.append({list, words.key, words.heading, sheet.items(list)});
    }
    return all;
}

} // namespace

Description describe(const CharacterSheet &sheet)
{
    return {sheet.text(SheetValue::CharacterName),
            sheet.typeIndex(),
            SheetNames::characterTypeNames().value(sheet.typeIndex()),
            {value(sheet, SheetValue::ChoirBand, "choirBand",
                   QT_TRANSLATE_NOOP("SheetExport", "Choir/Band")),
             value(sheet, SheetValue::Superior, "superior",
                   QT_TRANSLATE_NOOP("SheetExport", "Superior"))},
            realms(sheet),
            totals(sheet),
            lists(sheet)};
}

QString shown(const char *label)
{
    return QCoreApplication::translate("SheetExport", label);
}

} // namespace SheetExport
