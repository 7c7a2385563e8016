#include "sheet/IntText.h"

#include "common/IntegerSyntax.h"
#include "common/QuillError.h"
#include "common/QuotedValue.h"
#include "sheet/Tr.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace IntText {
namespace {

int checked(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw QuillError(SheetTr::tr("Integer overflow"));
    return static_cast<int>(value);
}

} // namespace

std::optional<int> parse(QStringView text)
{
    return IntegerSyntax::parse(text);
}

std::optional<int> parse(QLatin1StringView text)
{
    return IntegerSyntax::parse(text);
}

QString notAnInteger(QStringView text, qsizetype length)
{
    return SheetTr::tr("%1 is not a valid integer value")
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
