#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whole-file reads and writes for the character files. Every failure raises the text of its I/O
// code (IoError) or a message of its own; nothing is left half done.
namespace FileAccess {

// The whole content of a character file. A name that stands for anything but a regular file, or
// for one larger than a character file may be, is refused with a message that names it and
// says why.
QByteArray readAll(const QString &name);

// Replaces the file's content with `bytes` or, on any failure, leaves it exactly as it was. The
// bytes go to a new file in the same folder, which is written, flushed to the disk and closed
// before it is renamed over the target; the target's permissions and owner carry over, and a
// symbolic link is followed so that the link stays. A target that is not a regular file (a
// named pipe, a device, a socket) is refused before anything is opened or written.
void replace(const QString &name, QByteArrayView bytes);

} // namespace FileAccess
