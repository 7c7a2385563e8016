#include "sheet/IntText.h"

#include "common/QuillError.h"
#include "common/QuotedValue.h"

#include <QCoreApplication>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(IntText)
};

} // namespace

namespace IntText {
namespace {

int digitValue(char16_t u, int base)
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

// One parser for text and for bytes: every character of a number is ASCII.
template <class View> std::optional<int> parseView(View text)
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

int checked(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw QuillError(Text::tr("Integer overflow"));
    return static_cast<int>(value);
}

} // namespace

std::optional<int> parse(QStringView text)
{
    return parseView(text);
}

std::optional<int> parse(QLatin1StringView text)
{
    return parseView(text);
}

QString notAnInteger(QStringView text, qsizetype length)
{
    return Text::tr("%1 is not a valid integer value")
        .arg(QuotedValue::quote(text, u"'", u"'", length));
}

int toInt(QStringView text)
{
    if (const auto value = parse(text))
        return *value;
    throw QuillError(notAnInteger(text));
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
