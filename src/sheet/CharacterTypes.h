#pragma once

#include <QString>
#include <array>

class CharacterSheet;
class Prompter;

// The choice of a character type: checked against the configuration, then the type's starting
// Forces, characteristics, hits, total, Character Points, colour, Celestial state and (for
// Soldier and Undead) Choir or Band are written over the sheet.
namespace CharacterTypes {

// Which of the eight types the configuration offers, by type index: the state of the check box
// named after the type at the moment of the choice.
using AllowedTypes = std::array<bool, 8>;

// Runs the choice of type `index` (0 to 7) exactly as a click on that item does: records the
// index, or refuses it (message, index back to -1, total "0").
void select(CharacterSheet &sheet, int index, const AllowedTypes &allowed, Prompter &prompter);

// The choice of a type that a character file holds: the configuration limits what the player
// may pick, not what was stored, so nothing is checked or refused.
void selectStored(CharacterSheet &sheet, int index);

} // namespace CharacterTypes
