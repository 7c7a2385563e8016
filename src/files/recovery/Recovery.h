#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class CharacterDocument;
class CharacterSheet;
class Prompter;
class RecoveryCopy;

// The recovery copy's rules: what a window writes while its character is changed, and how the
// copies of programs that ended before their characters were saved are offered at the next
// start. The window decides when; this decides what.
namespace Recovery {

QString restoreQuestion(const QString &name);
QString setAsideMessage(const QString &copy, const QString &why, const QString &asideAs);

// Writes the document's sheet and note into `copy`; the reason of a failure, empty when written.
QString write(const CharacterDocument &document, RecoveryCopy &copy);

// Offers the copies in `folder` whose programs have ended, one at a time, newest first, passing
// over those named in `offered`, to which each one offered is added. A copy that does not read
// as a character is set aside with a message. The first one restored is put on the sheet: the
// document belongs to the file the character belonged to and counts as changed, and that copy
// becomes `own`, this window's copy. Returns true then, false when none was restored.
bool offer(const QString &folder, CharacterSheet &sheet, CharacterDocument &document,
           std::unique_ptr<RecoveryCopy> &own, Prompter &prompter, QStringList &offered);

} // namespace Recovery
