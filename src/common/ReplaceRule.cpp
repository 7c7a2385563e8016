#include "common/ReplaceRule.h"

namespace OutsideFile {
namespace {

bool anyFile(const Look &)
{
    return true;
}

bool isPdf(const Look &look)
{
    return look.head.startsWith("%PDF-") && look.tail.contains("%%EOF");
}

} // namespace

const ReplaceRule characterSave{QT_TRANSLATE_NOOP("OutsideFile", "a file"), 0, anyFile, true};
const ReplaceRule earlierPdf{QT_TRANSLATE_NOOP("OutsideFile", "a PDF"), 5, isPdf};

} // namespace OutsideFile
