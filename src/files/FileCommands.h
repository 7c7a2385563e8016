#pragma once

#include "sheet/CharacterTypes.h"

#include <QString>

class CharacterSheet;
class Prompter;

// The File menu's New, Open and Save. There is no current file: Save always asks for a name,
// New asks before it clears, Open clears without asking once the file was read.
namespace FileCommands {

QString clearQuestion();
QString noFileToOpenMessage();
QString noFileNameMessage();
QString endedEarlyMessage();

void newCharacter(CharacterSheet &sheet, Prompter &prompter);
void openCharacter(CharacterSheet &sheet, const CharacterTypes::AllowedTypes &allowed,
                   Prompter &prompter);
void saveCharacter(const CharacterSheet &sheet, Prompter &prompter);

// Open and Save once the name is known.
void load(CharacterSheet &sheet, const QString &name, const CharacterTypes::AllowedTypes &allowed,
          Prompter &prompter);
void store(const CharacterSheet &sheet, const QString &name);

} // namespace FileCommands
