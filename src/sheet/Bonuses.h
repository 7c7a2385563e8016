#pragma once

#include <QString>

class CharacterSheet;
class Prompter;

// The two Apply buttons of the Configuration page: extra Character Points and extra total Forces.
// Neither needs a character type. The amounts are inputs beside the sheet; they come in as the
// text of their boxes and are converted here.
namespace Bonuses {

// Adds the amount to the Character Point pool, without any limit.
void applyPointBonus(CharacterSheet &sheet, const QString &amount);

enum class ForcesBonusResult
{
    Applied,
    // Refused; the amount stays as the user left it.
    Refused,
    // Refused because the Forces already placed would exceed the new total; the sheet's amount
    // is set back to "0".
    RefusedResetAmount,
};

// Adds the sheet's forces bonus amount to the total Forces, as long as the total stays at least
// the Forces already placed and at most 18; an applied bonus turns the total red.
ForcesBonusResult applyForcesBonus(CharacterSheet &sheet, Prompter &prompter);

} // namespace Bonuses
