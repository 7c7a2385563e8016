#pragma once

#include "common/FileIdentity.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whole-file reads and writes for the character files. Every failure raises the text of its I/O
// code (IoError) or a message of its own; nothing is left half done.
namespace FileAccess {

struct Contents
{
    QByteArray bytes;
    FileIdentity identity; // the file read
};

// The whole content of a character file. A name that stands for anything but a regular file, or
// for one larger than a character file may be, is refused with a message that names it and
// says why.
Contents readAll(const QString &name);

// Replaces the file's content with `bytes` or, on any failure, leaves it exactly as it was, as
// OutsideFile::replace() writes under Save's rule: any regular file, or a link to one, the link
// staying. The target's permissions and owner carry over. A target that is not a regular file (a
// named pipe, a device, a socket) or a link to a missing file is refused before anything is
// written. Every failure raises 'Unable to save "<name>": <why>. The character was not saved.',
// the why of an I/O error being its code's text. Returns the file written.
FileIdentity replace(const QString &name, QByteArrayView bytes);

} // namespace FileAccess
