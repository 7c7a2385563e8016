// The settings file's text under arbitrary content: storing a key must make it read back as
// stored, must not change what any other key reads, and must never crash.
#include "common/ProfileText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray before(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray after = ProfileText::withValue(before, "Resource Types", "Songs", "0");
    if (ProfileText::value(after, "resource types", "SONGS") != QByteArray("0"))
        __builtin_trap();
    if (ProfileText::value(after, "Resource Types", "Skills") !=
            ProfileText::value(before, "Resource Types", "Skills") ||
        ProfileText::value(after, "Character Types", "Songs") !=
            ProfileText::value(before, "Character Types", "Songs"))
        __builtin_trap();
    return 0;
}
