#pragma once

#include "sheet/SheetValues.h"

#include <QList>
#include <QString>
#include <QStringList>

class CharacterSheet;

// The texts that the printout puts into the layout's components, read from the sheet as it
// stands. Nothing is formatted or checked: every value goes in as the sheet shows it.
namespace PrintTexts {

// The printed document's name: the character's, "Character" while it has none.
QString documentName(const CharacterSheet &sheet);

struct Field
{
    QString component;
    QString text;
};

// The layout file in `currentFolder`; the separator is always added.
QString layoutPath(const QString &currentFolder);

// Choir/Band, " of ", Superior.
QString choirBandLine(const CharacterSheet &sheet);

// The thirteen one-line fields, in the order they are filled.
QList<Field> textFields(const CharacterSheet &sheet);

// The lines of the two memo columns: a header for every section, also for an empty list, and
// an empty line between two sections.
QStringList firstColumnLines(const CharacterSheet &sheet);
QStringList secondColumnLines(const CharacterSheet &sheet);

// A memo's text: its lines joined by CR.
QString memoText(const QStringList &lines);

} // namespace PrintTexts
