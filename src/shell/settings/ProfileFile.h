#pragma once

#include "common/ReplaceRule.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One key of one section of an INI-style settings file, read or written on its own. A write
// keeps every other line of the file as it was and replaces the file in one step, so a failure
// never leaves it half written.
namespace ProfileFile {

// What a write may replace: a regular file (or a link to one) within a settings file's 1 MB,
// empty or holding "[Character Types]" or "[Resource Types]", with nothing but section, key=value,
// comment and blank lines. Anything else, a link to nothing too, is refused.
extern const OutsideFile::ReplaceRule settingsRule;

// A whole settings file, read once so that every key can be taken from it.
struct Content
{
    enum class State
    {
        NoFile,     // nothing of that name, or a folder
        Read,       // `bytes` holds the file
        Unreadable, // a regular file that could not be read (no permission, an I/O error)
        Refused,    // not a regular file, or far too large for a settings file
    };
    State state = State::NoFile;
    QByteArray bytes;
    // Why a refused file was not read: "it is a named pipe, not a regular file".
    QString refusal;
};

// Never blocks on a pipe or a device, and never reads more than a settings file may hold.
Content load(const QString &path);

// The key's value in a file's content, or the default when the section or the key is missing.
QString stringIn(const QByteArray &content, const QString &section, const QString &key,
                 const QString &defaultValue);

// The key read as a switch, as readBool() reads it.
bool boolIn(const QByteArray &content, const QString &section, const QString &key,
            bool defaultValue);

// The key's value, or the default when the file, the section or the key is missing or the file
// cannot be read.
QString readString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultValue);

// The key read as a switch: off only when its value is a whole number equal to zero (decimal, or
// hexadecimal after "0x", "0X" or "$"); any other number is on, and a value that is not a whole
// number, or a missing one, gives the default.
bool readBool(const QString &path, const QString &section, const QString &key, bool defaultValue);

// Stores the value, creating the file when it is missing; raises "Unable to write to <path>"
// when the file cannot be written, or when it exists but cannot be read (or is refused as by
// load()), since its other lines would then be lost; "Unable to write to <path>: <why>" when
// settingsRule refuses it.
void writeString(const QString &path, const QString &section, const QString &key,
                 const QString &value);

// Raises "Unable to write to <path>".
[[noreturn]] void unableToWrite(const QString &path);

struct Entry
{
    QString section;
    QString key;
    QString value;
};

// Stores the entries one after the other, as that many writeString() calls would, but replaces
// the file once: either all of them are stored or, on an error, none.
void writeStrings(const QString &path, const QList<Entry> &entries);

} // namespace ProfileFile
