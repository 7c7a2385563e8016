#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class CharacterSheet;

// The character as plain text, for places that take nothing else: the content of the Markdown
// export without markup, in aligned columns. UTF-8, LF line ends; no control or direction
// character reaches it raw. The last line is the marker.
namespace SheetPlainText {

QByteArray write(const CharacterSheet &sheet);

// Rows as lines whose columns line up: every column but the last is filled with blanks to its
// widest entry plus two, the last is taken as it is.
QStringList aligned(const QList<QStringList> &rows);

} // namespace SheetPlainText
