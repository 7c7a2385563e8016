#pragma once

#include "common/Prompter.h"
#include "common/ReplaceRule.h"

#include <QByteArray>
#include <QString>

class CharacterSheet;

// The three ways a character leaves the program to be read elsewhere, in one table: each format's
// writer, its file's extension, its type in the file dialog and how an earlier export of it is
// known. The command line, Report Setup and the tests take them from here; only .qmc files are
// ever read back.
namespace SheetExports {

enum class Format
{
    Json,
    Markdown,
    Text
};

// The largest earlier Markdown or text export that is read whole to check its marker: larger
// than any export of a character the reader takes. A larger file is not replaced.
inline constexpr qint64 maxBytes = qint64(256) << 20;

QByteArray write(Format format, const CharacterSheet &sheet);

// The file's extension, without the dot: "json", "md", "txt".
QString extension(Format format);

// The format as the report's file dialog offers it: "Markdown (*.md)".
using FileType = Prompter::FileType;
FileType fileType(Format format);

// What a new export of the format may replace without asking: an earlier export of the same
// format, by its marker (Markdown and text: a version-2 marker true of the file; JSON: its
// "format" key).
const OutsideFile::ReplaceRule &earlierExport(Format format);

} // namespace SheetExports
