// Integer text against a simple reference: the program's reader must accept exactly the texts
// that a plain long-arithmetic reading accepts, with the same value, and never crash.
#include "sheet/IntText.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace {

std::optional<long long> reference(const std::u16string &s)
{
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        negative = s[i++] == u'-';
    int base = 10;
    if (s.compare(i, 1, u"$") == 0) {
        base = 16;
        i += 1;
    } else if (s.compare(i, 2, u"0x") == 0 || s.compare(i, 2, u"0X") == 0) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    long long value = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i];
        int d = -1;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        if (d < 0)
            return std::nullopt;
        value = value * base + d;
        if (value > (1LL << 32))
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::u16string s(reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size()));
    const std::optional<int> got = IntText::parse(text);
    const std::optional<long long> want = reference(s);
    if (got.has_value() != want.has_value() || (got && *got != *want))
        __builtin_trap();
    return 0;
}
