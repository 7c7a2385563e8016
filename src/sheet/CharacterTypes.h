#pragma once

#include <QString>
#include <functional>

class CharacterSheet;
class Prompter;

// The choice of a character type: checked against the configuration, then the type's starting
// Forces, characteristics, hits, total, Character Points, colour, Celestial state and (for
// Soldier and Undead) Choir or Band are written over the sheet.
namespace CharacterTypes {

// Tells whether the configuration check box named caption + "CheckBox" is ticked.
using CheckBoxByName = std::function<bool(const QString &caption)>;

// Runs the choice of type `index` (0 to 7) exactly as a click on that item does: records the
// index, or refuses it (message, index back to -1, total "0").
void select(CharacterSheet &sheet, int index, const CheckBoxByName &checkBoxByName,
            Prompter &prompter);

} // namespace CharacterTypes
