#pragma once

#include <QString>

class CharacterSheet;
class Prompter;

// Vessels are priced by level and Charisma and carry the Body Hits they give; Roles are priced
// by level and status. Both record their cost at the end of the item text.
namespace Resources {

struct VesselInput
{
    QString name;
    QString level;
    QString charisma;
};

struct RoleInput
{
    QString name;
    QString level;
    QString status;
};

QString vesselPlaceholder();
QString rolePlaceholder();

// Strength × (Corporeal Forces + level), as text for the Body Hits box.
QString vesselBodyHits(const CharacterSheet &sheet, const QString &level);

// Reads its numbers and writes the sheet's Body Hits first; guards: character type, name, points,
// duplicate, cost at least 1.
void addVessel(CharacterSheet &sheet, const VesselInput &input, Prompter &prompter);
// Reads its numbers first; guards: character type, points, name, duplicate.
void addRole(CharacterSheet &sheet, const RoleInput &input, Prompter &prompter);

} // namespace Resources
