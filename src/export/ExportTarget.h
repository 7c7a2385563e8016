#pragma once

#include "export/SheetExports.h"

#include <QString>
#include <QStringList>

// What an export may replace. An export is written for reading elsewhere, so it never takes the
// place of a file the program itself reads: a character file, the layout, the settings file.
namespace ExportTarget {

// The file holds a character: the character reader takes it without an error, also when it ends
// before its last list.
bool holdsCharacter(const QString &name);

// From the window, where the file dialog has asked before replacing: why `name` must not be
// replaced, or empty when it may. `kept` names the layout and the settings file in use.
QString windowRefusal(const QString &name, const QStringList &kept);

// From the command line, where nothing is asked: `name` may be a new name or an earlier export of
// the same format, and nothing else (a character file, a layout, notes of the player's). Why it
// must not be replaced, or empty when it may; asked again just before each write.
QString commandLineRefusal(SheetExports::Format format, const QString &name);

} // namespace ExportTarget
