#pragma once

#include <QString>

class CharacterSheet;
class Prompter;

// Three lists of free text kept exactly as typed: Distinctions cost nothing, extra attunements
// cost a fixed number of points that the item text does not record.
namespace Resources {

inline constexpr int ChoirBandAttunementCost = 5;
inline constexpr int SuperiorAttunementCost = 10;

QString distinctionPlaceholder();
QString attunementPlaceholder();
// A character file ends each list with a line holding only "*", so such an item cannot be kept.
QString listEndRefusal();

// Guards: character type, text, not "*", exact duplicate; the pool is not touched.
void addDistinction(CharacterSheet &sheet, const QString &text, Prompter &prompter);
// Reads the pool first; guards: character type, points, text, not "*", exact duplicate.
void addChoirBandAttunement(CharacterSheet &sheet, const QString &text, Prompter &prompter);
void addSuperiorAttunement(CharacterSheet &sheet, const QString &text, Prompter &prompter);

} // namespace Resources
