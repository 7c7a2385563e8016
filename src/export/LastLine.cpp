#include "export/LastLine.h"

#include <QString>

namespace LastLine {

bool is(QByteArrayView bytes, const char16_t *marker)
{
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    const qsizetype start = bytes.lastIndexOf('\n') + 1;
    return bytes.sliced(start) == QString::fromUtf16(marker).toUtf8();
}

} // namespace LastLine
