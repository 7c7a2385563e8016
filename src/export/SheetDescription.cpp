#include "export/SheetDescription.h"

#include "export/Tr.h"
#include "sheet/CharacterSheet.h"

namespace SheetExport {
namespace {

Value value(const CharacterSheet &sheet, SheetValue v)
{
    return {v, sheet.text(v)};
}

std::array<Realm, 3> realms(const CharacterSheet &sheet)
{
    std::array<Realm, 3> all;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const SheetNames::Realm &words = SheetNames::realms().at(i);
        all[i] = {words.key,
                  value(sheet, words.forces),
                  {value(sheet, words.characteristics[0]), value(sheet, words.characteristics[1])}};
    }
    return all;
}

QList<List> lists(const CharacterSheet &sheet)
{
    QList<List> all;
    for (SheetList list : SheetNames::printedOrder())
        all.append({list, sheet.items(list)});
    return all;
}

} // namespace

QString Description::typeLabel() const
{
    return typeName.isEmpty() ? SheetNames::noTypeLabel()
                              : SheetNames::characterTypeLabels().value(typeIndex);
}

Description describe(const CharacterSheet &sheet)
{
    using enum SheetValue;
    return {value(sheet, CharacterName),
            sheet.typeIndex(),
            SheetNames::characterTypeNames().value(sheet.typeIndex()),
            {value(sheet, ChoirBand), value(sheet, Superior)},
            realms(sheet),
            {value(sheet, TotalForces), value(sheet, CharacterPoints), value(sheet, MindHits),
             value(sheet, SoulHits)},
            lists(sheet)};
}

QString realmHeader()
{
    return ExportTr::tr("Realm");
}

QString forcesHeader()
{
    return ExportTr::tr("Forces");
}

QString characteristicsHeader()
{
    return ExportTr::tr("Characteristics");
}

} // namespace SheetExport
