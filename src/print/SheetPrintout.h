#pragma once

#include <QString>

class CharacterSheet;
class Prompter;
class ReportEngine;

// File > Print: loads the layout file from `currentFolder`, fills the page "Report1.Page1" from
// the sheet, runs "Report1" and closes the project again, also when a step fails, so no filled
// text survives to the next Print. A page or component that is missing or of another kind is
// named in a message and nothing is printed. The sheet is only read.
namespace SheetPrintout {

void print(const CharacterSheet &sheet, ReportEngine &engine, Prompter &prompter,
           const QString &currentFolder);

// The same with the layout file named by its full path.
void printWithLayout(const CharacterSheet &sheet, ReportEngine &engine, Prompter &prompter,
                     const QString &layoutPath);

// The layout file that Print uses: the current folder's when it has one, so a folder with a
// layout of its own prints with it, and otherwise the start folder's. When neither has one the
// error names both. An empty start folder (one removed before it was taken) offers none.
QString layoutToUse(const QString &currentFolder, const QString &startFolder);

// The process's current folder, or "." when it has been removed: its path is empty then, which
// would send the look-up for the layout to the root folder.
QString currentFolder();

} // namespace SheetPrintout
