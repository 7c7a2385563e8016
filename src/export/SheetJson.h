#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonValue>
#include <QString>

class CharacterSheet;

// The character as JSON (docs/json-format.md, data/quillmark-character.schema.json): UTF-8,
// indented, the keys of every object in alphabetical order, the same words in every language,
// every text exactly as stored and no control or direction character raw.
namespace SheetJson {

inline constexpr int version = 1;
// The value of the "format" key, the same in every language: a file is an earlier JSON export
// only by it.
inline constexpr char16_t marker[] = u"quillmark-character";

QByteArray write(const CharacterSheet &sheet);

// Serialised JSON with DEL, the C1 controls and the direction controls written as "\u" escapes,
// as the C0 controls already are: a reader gets every character exactly, a terminal obeys none.
QByteArray escapedControls(const QByteArray &json);

// A number when the text is one written plainly ("12", "-3": no sign "+", no leading zero, no
// blank) and lies within the integers a double holds exactly; the text itself otherwise.
QJsonValue numberOrText(const QString &text);

// The start of a file that write() made: "{" and, on a line of its own at the top level, the
// "format" key with the export's marker. The key is the third in alphabetical order, so the
// start of the file is enough.
bool isExport(QByteArrayView head);

} // namespace SheetJson
