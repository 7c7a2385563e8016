#pragma once

#include <QString>

class CharacterSheet;
class Prompter;

// The guard that most operations put first: with no character type chosen they show one of three
// wordings and change nothing.
namespace TypeGuard {

// The twelve Force and characteristic buttons.
QString forcesMessage();
// The Add buttons of the eight resource pages.
QString resourcesMessage();
// The two extra-attunement Add buttons.
QString attunementsMessage();

// True when a type is chosen; otherwise shows the message and returns false.
bool passes(const CharacterSheet &sheet, Prompter &prompter, const QString &message);

} // namespace TypeGuard
