#pragma once

#include <QString>

// File input and output report failures by numbered codes, each with its own text. This is the
// one place that knows the codes, their texts and how the operating system's error numbers map
// onto them.
namespace IoError {

enum Code
{
    FileNotFound = 2,
    InvalidFilename = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    ReadBeyondEnd = 100,
    DiskFull = 101,
    InvalidNumericInput = 106,
};

// What the file was being used for when it failed: a missing name means a missing file when
// reading it, but a missing folder when creating it.
enum class Use
{
    Read,
    Create
};

// "File not found", ..., or "I/O error <code>" for a code without a text of its own.
QString text(int code);

// The code of an errno value met while using `name`; 0 when the table has no code for it.
int codeOf(int error, Use use, const QString &name);

// The text for an errno value: its code's text, or "I/O error <errno>" for an error the table
// does not name (an errno that happens to equal a code must not borrow that code's text).
QString message(int error, Use use, const QString &name);

// Raises message() for an errno value.
[[noreturn]] void raiseErrno(int error, Use use, const QString &name);

} // namespace IoError
