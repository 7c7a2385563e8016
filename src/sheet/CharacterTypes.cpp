#include "sheet/CharacterTypes.h"

#include "common/Prompter.h"
#include "sheet/CharacterSheet.h"
#include "sheet/Tr.h"

#include <array>

using namespace Qt::StringLiterals;

namespace CharacterTypes {
namespace {

struct StartingForces
{
    int total;
    int corporeal;
    int ethereal;
    int celestial;
};

// By type index: Angel, Demon, Outcast, Renegade, Soldier, Undead, Remnant, Mundane.
constexpr std::array<StartingForces, 8> startingForces = {{
    {9, 3, 3, 3},
    {9, 3, 3, 3},
    {9, 3, 3, 3},
    {9, 3, 3, 3},
    {6, 2, 1, 1},
    {6, 2, 1, 1},
    {5, 2, 3, 0},
    {5, 2, 2, 1},
}};

constexpr int Soldier = 4;
constexpr int Undead = 5;
constexpr int Remnant = 6;

void refuse(CharacterSheet &sheet, Prompter &prompter)
{
    prompter.inform(SheetTr::tr("Current configuration does not allow this Character Type."));
    sheet.setTypeIndex(-1);
    sheet.setNumber(SheetValue::TotalForces, 0);
}

void writeForces(CharacterSheet &sheet, const StartingForces &forces)
{
    sheet.setNumber(SheetValue::CharacterPoints, 4 * forces.total);
    sheet.setNumber(SheetValue::Corporeal, forces.corporeal);
    sheet.setNumber(SheetValue::Ethereal, forces.ethereal);
    sheet.setNumber(SheetValue::Celestial, forces.celestial);
    sheet.setNumber(SheetValue::Strength, 2 * forces.corporeal);
    sheet.setNumber(SheetValue::Agility, 2 * forces.corporeal);
    sheet.setNumber(SheetValue::Intelligence, 2 * forces.ethereal);
    sheet.setNumber(SheetValue::Precision, 2 * forces.ethereal);
    sheet.setNumber(SheetValue::Will, 2 * forces.celestial);
    sheet.setNumber(SheetValue::Perception, 2 * forces.celestial);
    sheet.setNumber(SheetValue::MindHits, forces.ethereal * 2 * forces.ethereal);
    sheet.setNumber(SheetValue::SoulHits, forces.celestial * 2 * forces.celestial);
}

void writeTypeTraits(CharacterSheet &sheet, int index)
{
    sheet.setCelestialEnabled(index != Remnant);
    const bool placesMoreForces = index == Soldier || index == Undead;
    sheet.setTotalColour(placesMoreForces ? TotalColour::Red : TotalColour::Green);
    if (index == Soldier)
        sheet.setText(SheetValue::ChoirBand, u"Soldier"_s);
    else if (index == Undead)
        sheet.setText(SheetValue::ChoirBand, u"Mummy"_s);
}

} // namespace

void select(CharacterSheet &sheet, int index, const AllowedTypes &allowed, Prompter &prompter)
{
    if (index < 0 || index >= int(startingForces.size()))
        return;
    // Recorded first, so that a refusal always clears what the group shows, even when no type
    // had been chosen before.
    sheet.setTypeIndex(index);
    if (!allowed[index]) {
        refuse(sheet, prompter);
        return;
    }
    selectStored(sheet, index);
}

void selectStored(CharacterSheet &sheet, int index)
{
    if (index < 0 || index >= int(startingForces.size()))
        return;
    sheet.setTypeIndex(index);
    const StartingForces &forces = startingForces[index];
    writeForces(sheet, forces);
    writeTypeTraits(sheet, index);
    sheet.setNumber(SheetValue::TotalForces, forces.total);
}

} // namespace CharacterTypes
