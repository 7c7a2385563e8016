#pragma once

#include <QByteArrayView>
#include <QString>

// What the character reader refuses before it decodes anything: a type line (the second line)
// that is no whole number, and a single value (lines 1 and 3 to 17) longer than a value may be.
// The reader shows the refusal; the writer of outside files uses the same judgement to tell a
// character file, which nothing but Save may replace. Works on bytes, so that a line of millions
// of characters is measured without being decoded.
namespace CharacterFileCheck {

// The most characters one value (the name, the Choir/Band, the Superior, each number) may have:
// far above any real name, and little enough that the window shows and prints it at once.
inline constexpr qsizetype maxValueLength = 100'000;

// The file's text: up to its first Ctrl-Z, without a UTF-8 byte-order mark.
QByteArrayView text(QByteArrayView bytes);

struct Finding
{
    enum class What
    {
        Opens,        // lines 1 to 17 are as the reader wants them
        NotAnInteger, // the type line is no whole number
        TooLong,      // a value is longer than maxValueLength
        CutShort,     // the bytes end inside the first 17 lines, and nothing before is refused
    };
    What what = What::Opens;
    int line = 0;         // the refused line, counted from 1
    QString start;        // its first characters as the reader decodes them, enough for a message
    qsizetype length = 0; // its length in characters
};

// Judges the text's first 17 lines. `whole` says that the text is the whole file; when it is only
// the file's start, a line that reaches its end is judged by what is there.
Finding check(QByteArrayView text, bool whole = true);

} // namespace CharacterFileCheck
