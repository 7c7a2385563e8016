#pragma once

class CharacterSheet;
class Prompter;

// The twelve arrow buttons of the three realms: each Force moves between 1 and 6 within the total
// Forces, and one point moves inside a Force's pair of characteristics, each staying 1 to 12.
// All of them refuse with the type guard while no character type is chosen.
namespace Forces {

enum class Realm
{
    Corporeal,
    Ethereal,
    Celestial
};

// One point from the second characteristic of the pair to the first (up) or back (down); a move
// that would leave 1 to 12 is skipped silently. The hits of the realm are recomputed either way.
void moveCharacteristicUp(CharacterSheet &sheet, Realm realm, Prompter &prompter);
void moveCharacteristicDown(CharacterSheet &sheet, Realm realm, Prompter &prompter);

// One Force up or down; both characteristics of its pair start again from 2 x the new Force.
// The colour of the total is set from the sum afterwards, refused or not.
void raise(CharacterSheet &sheet, Realm realm, Prompter &prompter);
void lower(CharacterSheet &sheet, Realm realm, Prompter &prompter);

// The total's colour as after a Forces change, for Forces that arrived some other way (a file):
// only when the three Forces and the total are integers; otherwise nothing changes.
void showPlacedForces(CharacterSheet &sheet);

} // namespace Forces
