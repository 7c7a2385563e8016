#pragma once

#include <QList>
#include <QString>

// One key of one section of an INI-style settings file, read or written on its own. A write
// keeps every other line of the file as it was and replaces the file in one step, so a failure
// never leaves it half written.
namespace ProfileFile {

// The key's value, or the default when the file, the section or the key is missing or the file
// cannot be read.
QString readString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultValue);

// The key read as a switch: off only when its value is a whole number equal to zero (decimal, or
// hexadecimal after "0x", "0X" or "$"); any other number is on, and a value that is not a whole
// number, or a missing one, gives the default.
bool readBool(const QString &path, const QString &section, const QString &key, bool defaultValue);

// Stores the value, creating the file when it is missing; raises "Unable to write to <path>"
// when the file cannot be written.
void writeString(const QString &path, const QString &section, const QString &key,
                 const QString &value);

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
