#pragma once

#include <QString>

// The folder the program started in. The settings file lives there, and Print falls back on its
// layout, wherever the file dialogs have moved the current folder since.
namespace StartFolder {

// Takes the current folder as the start folder. The main window does so when it is built, before
// any dialog can move the current folder.
void remember();

// The folder remembered, or the current one when none has been remembered yet. A folder removed
// before it was remembered keeps the name the system gives it, or is empty where it gives none.
QString path();

// True when the folder had been removed before it was remembered: nothing is read from or
// written into it, whatever now stands under its name.
bool gone();

// "quillmark.ini" in the start folder; the bare name when the start folder is not known.
QString settingsFile();

} // namespace StartFolder
