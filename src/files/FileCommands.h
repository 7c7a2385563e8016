#pragma once

#include "common/FileIdentity.h"

#include <QByteArrayView>
#include <QString>

class CharacterDocument;
struct CharacterFile;
class CharacterSheet;
class Prompter;

// The File menu's New, Open and Save, and the question before a changed character is closed.
// Save offers the file the character was opened from or last saved to, or a name made of the
// character's name; it writes the character's own file, untouched since, without a question, and
// asks before it replaces any other file. Open reads the whole file before the sheet changes, so
// a refused file changes nothing.
namespace FileCommands {

QString clearQuestion();
QString noFileToOpenMessage();
QString noFileNameMessage();
QString endedEarlyMessage();
QString unsavedQuestion();
QString replaceQuestion(const QString &name);

// The extension of character files.
inline constexpr char16_t extension[] = u".qmc";

void newCharacter(CharacterSheet &sheet, CharacterDocument &document, Prompter &prompter);
void openCharacter(CharacterSheet &sheet, CharacterDocument &document, Prompter &prompter);
// True when the character was written.
bool saveCharacter(CharacterDocument &document, Prompter &prompter);

// Before a changed character is closed or replaced: asks whether to save it first. True when the
// caller may go on (saved, discarded, or nothing changed); false on Cancel or when the save did
// not happen. A failed write raises its error.
bool settleChanges(CharacterDocument &document, Prompter &prompter);
// The same for a character already known to be changed: always asks.
bool settleChanged(CharacterDocument &document, Prompter &prompter);

// Open once the name is known: the sheet, and with a document the sheet as that file's. Returns
// the file read.
FileIdentity load(CharacterSheet &sheet, const QString &name, Prompter &prompter);
void load(CharacterSheet &sheet, CharacterDocument &document, const QString &name,
          Prompter &prompter);
// Save once the name is known; returns the file written.
FileIdentity store(const CharacterSheet &sheet, const QString &name);

// The character file's content, read as Open reads it (raising its errors; `name` is the one its
// messages give), and put on the sheet as Open puts it.
CharacterFile decode(const QString &name, QByteArrayView bytes);
void apply(CharacterSheet &sheet, const CharacterFile &file);

} // namespace FileCommands
