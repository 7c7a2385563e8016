#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The last line of a Markdown or plain text export file, the same in every language: it says what
// the file is, how many bytes stand before it and their SHA-256. Only a file that ends in such a
// line, true of everything above it, is an earlier export a new one may replace, so a copy pasted
// below someone's notes is not. Files of version 1 carried the marker alone; such a file counts
// only when every line above its marker is a line the export writes.
namespace ExportMarker {

enum class Kind
{
    Markdown,
    Text
};

// The body followed by an empty line and the marker.
QByteArray sealed(Kind kind, QByteArray body);

// Whether the bytes are an export of this kind as the program wrote it: the last line (a CR LF
// or LF after it is allowed) is a version-2 marker of the bytes before it, or a version-1 marker
// under lines that fit the export's form.
bool isSealed(Kind kind, QByteArrayView bytes);

} // namespace ExportMarker
