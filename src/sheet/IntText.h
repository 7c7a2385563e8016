#pragma once

#include <QString>
#include <optional>

// Numbers of the sheet are held as decimal text. These read and write them, and do the checked
// arithmetic that keeps a huge typed or loaded value from wrapping around silently.
namespace IntText {

// Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X" (sign allowed before the
// prefix). Nothing else: no blanks, no empty text, nothing outside the signed 32-bit range.
std::optional<int> parse(QStringView text);
// The same for bytes, which need no decoding first: a number is ASCII in every encoding.
std::optional<int> parse(QLatin1StringView text);

// "'<text>' is not a valid integer value", quoting a long text in part. `text` may be only the
// start of the value when `length` gives the whole value's length.
QString notAnInteger(QStringView text, qsizetype length = -1);

// parse(), or the error notAnInteger().
int toInt(QStringView text);

QString fromInt(int value);

// Checked arithmetic: a result outside the signed 32-bit range raises "Integer overflow".
int add(int a, int b);
int subtract(int a, int b);
int multiply(int a, int b);

} // namespace IntText
