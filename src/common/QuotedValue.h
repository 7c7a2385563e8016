#pragma once

#include <QString>
#include <QStringView>

// How a message shows a value or a name that came from outside: a value may be a whole line of a
// file, millions of characters long, or hold bytes that a terminal takes for commands.
namespace QuotedValue {

// The most characters of a value that a message quotes.
inline constexpr qsizetype maxQuoted = 60;

// The value between `open` and `close`. A value longer than maxQuoted is cut there and followed
// by "…", the closing mark and its full length: "'99999…' (2,000,000 characters)". `value` may be
// only the start of the value, at least maxQuoted + 1 characters of it, when `length` gives the
// whole value's length.
QString quote(QStringView value, QStringView open, QStringView close, qsizetype length = -1);
inline QString quote(QStringView value, char16_t mark)
{
    return quote(value, QStringView(&mark, 1), QStringView(&mark, 1));
}

// The text with every control character (C0, DEL and C1, so ESC too) written as an escape such
// as "\x1b", and every direction control (U+202A to U+202E, U+2066 to U+2069) and lone surrogate
// as one such as "\u202e", so that a terminal shows it instead of obeying it and the text around
// it reads in the order it was written.
QString escapeControls(QStringView text);
// The same, sharing the text when it holds nothing to escape.
QString escapeControls(const QString &text);

} // namespace QuotedValue
