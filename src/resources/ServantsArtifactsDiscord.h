#pragma once

#include "resources/ResourceChecks.h"

#include <QString>

class CharacterSheet;
class Prompter;

// Servants and Artifacts are bought; a Discord is taken and gives its value to the pool. The
// numbers of these pages may be typed, and are used as typed.
namespace Resources {

struct ServantInput
{
    QString name;
    QString level;
    QString servantClass;
};

struct ArtifactInput
{
    QString description;
    Choice type; // Corporeal, Ethereal, Celestial: the cost multiplier is the position plus one
    QString level;
    QString modifier;
};

struct DiscordInput
{
    QString description;
    Choice type;
    QString level;
};

QString servantPlaceholder();
QString artifactPlaceholder();
QString discordPlaceholder();

// Reads its numbers first; guards: character type, points, name, duplicate.
void addServant(CharacterSheet &sheet, const ServantInput &input, Prompter &prompter);
// Without a type it says so at once and goes on to its guards: character type, description,
// type, cost at least 1, duplicate, points.
void addArtifact(CharacterSheet &sheet, const ArtifactInput &input, Prompter &prompter);
// Guards: character type, description, type, duplicate; no points test.
void addDiscord(CharacterSheet &sheet, const DiscordInput &input, Prompter &prompter);

} // namespace Resources
