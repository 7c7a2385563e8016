#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonValue>
#include <QString>

class CharacterSheet;

// The character as JSON (docs/json-format.md, data/quillmark-character.schema.json): UTF-8,
// indented, the keys of every object in alphabetical order, the same words in every language.
namespace SheetJson {

inline constexpr int version = 1;

QByteArray write(const CharacterSheet &sheet);

// A number when the text is one written plainly ("12", "-3": no sign "+", no leading zero, no
// blank) and lies within the integers a double holds exactly; the text itself otherwise.
QJsonValue numberOrText(const QString &text);

// A JSON object whose "format" is the export's marker.
bool isExport(QByteArrayView bytes);

} // namespace SheetJson
