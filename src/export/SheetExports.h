#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class CharacterSheet;

// The three ways a character leaves the program to be read elsewhere. The command line and
// Report Setup choose one and call the same functions; only .qmc files are ever read back.
namespace SheetExports {

enum class Format
{
    Json,
    Markdown,
    Text
};

QByteArray write(Format format, const CharacterSheet &sheet);

// The file's extension, without the dot: "json", "md", "txt".
QString extension(Format format);

// Whether the bytes are an export of this format, by its marker; only such a file may be
// replaced by a new export of the same format.
bool isExport(Format format, QByteArrayView bytes);

} // namespace SheetExports
