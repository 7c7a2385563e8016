#pragma once

#include "sheet/SheetValues.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <array>

class CharacterSheet;

// One character as a character file holds it: read completely into this value before anything
// of it reaches the sheet, and built from the sheet before anything is written.
struct CharacterFile
{
    std::array<QString, SheetValueCount> texts; // by SheetValue
    int typeIndex = -1;
    std::array<QStringList, SheetListCount> lists; // by SheetList
    // False when the file ended before the marker of its last list.
    bool complete = true;
    // True when the lists hold more than CharacterFileFormat::maximumItems items in all; reading
    // stopped there.
    bool tooManyItems = false;

    QString &text(SheetValue value) { return texts[static_cast<int>(value)]; }
    const QString &text(SheetValue value) const { return texts[static_cast<int>(value)]; }
    QStringList &list(SheetList l) { return lists[static_cast<int>(l)]; }
    const QStringList &list(SheetList l) const { return lists[static_cast<int>(l)]; }

    static CharacterFile fromSheet(const CharacterSheet &sheet);
    bool operator==(const CharacterFile &) const = default;
};

// The file's text: the character name, the type index, the other fifteen values, then the ten
// lists, each closed by a line holding "*"; one value or item per line.
namespace CharacterFileFormat {

// Every item takes memory of its own however short its line, so a file of millions of empty
// lines would take many times its size; no character comes near this many items.
inline constexpr qsizetype maximumItems = 1'000'000;

// UTF-8 without a byte-order mark, CR LF after every line. A CR, LF or Ctrl-Z inside a value
// would break the lines apart or end the file early, so each is written as a blank.
QByteArray encode(const CharacterFile &file);

// Reads each line as UTF-8 when it is valid UTF-8, as Windows-1252 otherwise. A Ctrl-Z ends the
// text; CR LF, a lone CR and a lone LF each end a line. The type line is converted (raising the
// conversion error) and clamped to -1..7. Nothing after the tenth marker is looked at.
CharacterFile decode(QByteArrayView bytes);

} // namespace CharacterFileFormat
