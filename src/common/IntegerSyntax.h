#pragma once

#include <QtGlobal>
#include <limits>
#include <optional>

// The whole numbers the program reads: decimal with an optional sign, or hexadecimal after "$",
// "0x" or "0X" (sign allowed before the prefix). Nothing else: no blanks, no empty text, nothing
// outside the signed 32-bit range. One parser for text and for bytes: every character of a number
// is ASCII, so bytes need no decoding first.
namespace IntegerSyntax {

inline int digitValue(char16_t u, int base)
{
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

// `View` is QStringView or QLatin1StringView.
template <class View> std::optional<int> parse(View text)
{
    const auto at = [&text](qsizetype i) { return char16_t(text[i].unicode()); };
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (at(i) == u'-' || at(i) == u'+')) {
        negative = at(i) == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && at(i) == u'$') {
        base = 16;
        i += 1;
    } else if (i + 1 < text.size() && at(i) == u'0' && (at(i + 1) == u'x' || at(i + 1) == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    const qint64 limit = qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(at(i), base);
        if (d < 0)
            return std::nullopt;
        value = value * base + d;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace IntegerSyntax
