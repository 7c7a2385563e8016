#pragma once

#include "common/FileIdentity.h"

#include <QByteArray>
#include <QString>

// Whole-file reads of everything that comes from outside the program: the character files, the
// settings file, the report layout and its images. Writes are in OutsideWrite.h. A name may stand
// for anything (a named pipe, a device, a file far larger than any real one), so only a regular
// file is read, only up to the size limit of its kind, and the memory taken is the file's size plus
// a small margin.
namespace OutsideFile {

// A kind of file: its name in a refusal and the largest size a real file of the kind reaches.
struct Kind
{
    const char *name; // in English; translated where it is shown
    qint64 maxBytes;
};

// A character of 1,000,000 items is about 40 MB; the program writes about 350 bytes of settings.
inline constexpr Kind characterFile{QT_TRANSLATE_NOOP("Quillmark::Common", "a character file"),
                                    qint64(64) << 20};
inline constexpr Kind settingsFile{QT_TRANSLATE_NOOP("Quillmark::Common", "a settings file"),
                                   qint64(1) << 20};
inline constexpr Kind layoutFile{QT_TRANSLATE_NOOP("Quillmark::Common", "a report layout"),
                                 qint64(16) << 20};
inline constexpr Kind imageFile{QT_TRANSLATE_NOOP("Quillmark::Common", "an image file"), qint64(64)
                                                                                             << 20};

struct Result
{
    QByteArray bytes;
    // The errno of a failed look-up, open or read (EISDIR for a folder); 0 otherwise.
    int error = 0;
    // Why the file was not read, as the end of a sentence: "it is a named pipe, not a regular
    // file"; empty otherwise.
    QString refusal;
    // The file that was read.
    FileIdentity identity;

    bool ok() const { return error == 0 && refusal.isEmpty(); }
    // Why the file was not read, as the end of a sentence; see OutsideFile::reason().
    QString reason() const;
};

// Why a file was not read or written, as the end of a sentence that the caller begins: the
// refusal, "it is a folder", or the system's text for the error ("Permission denied"); empty when
// there was neither. The one wording of every refusal and error of outside files.
QString reason(int error, const QString &refusal);

// Never blocks on a pipe or a device: neither is opened for reading. A file that says it is
// regular but would wait for more to read is refused, and so is a name that is not UTF-8.
Result read(const QString &name, const Kind &kind);

// Why a file of this mode (from stat) is neither read nor replaced: "it is a named pipe, not a
// regular file", "it is a device, not a regular file" ...
QString notRegular(unsigned mode);

} // namespace OutsideFile
