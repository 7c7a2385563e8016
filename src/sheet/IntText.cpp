#include "sheet/IntText.h"

#include "common/QuillError.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace IntText {
namespace {

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

int checked(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw QuillError(u"Integer overflow"_s);
    return static_cast<int>(value);
}

} // namespace

std::optional<int> parse(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (text.mid(i, 1) == u"$"_s) {
        base = 16;
        i += 1;
    } else if (text.mid(i, 2) == u"0x"_s || text.mid(i, 2) == u"0X"_s) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    const qint64 limit = qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            return std::nullopt;
        value = value * base + d;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

int toInt(const QString &text)
{
    if (const auto value = parse(text))
        return *value;
    throw QuillError(u"'%1' is not a valid integer value"_s.arg(text));
}

QString fromInt(int value)
{
    return QString::number(value);
}

int add(int a, int b)
{
    return checked(qint64(a) + b);
}
int subtract(int a, int b)
{
    return checked(qint64(a) - b);
}
int multiply(int a, int b)
{
    return checked(qint64(a) * b);
}

} // namespace IntText
