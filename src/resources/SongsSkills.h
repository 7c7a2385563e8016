#pragma once

#include "resources/ResourceChecks.h"

#include <QString>

class CharacterSheet;
class Prompter;

// Songs and Skills cost one Character Point per level; the level ends the item text.
namespace Resources {

struct SongInput
{
    QString name;
    Choice type;
    QString level;
};

struct SkillInput
{
    QString name;
    QString level;
};

QString songPlaceholder();
QString skillPlaceholder();

// Guards: character type, name, Song type, duplicate, points.
void addSong(CharacterSheet &sheet, const SongInput &input, Prompter &prompter);
// Reads its numbers first; guards: character type, name, points, duplicate.
void addSkill(CharacterSheet &sheet, const SkillInput &input, Prompter &prompter);

} // namespace Resources
