// What an export may replace, under arbitrary content of the file found under its name: the
// recognisers of earlier exports, of a layout and of a settings file must never crash, a
// Markdown or text export is known as long as it is what the program wrote, and one with
// anything added at its end is not.
#include "common/ReplaceRule.h"
#include "export/ExportMarker.h"
#include "export/ExportTarget.h"
#include "export/SheetExports.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    using SheetExports::Format;
    for (Format format : {Format::Json, Format::Markdown, Format::Text})
        OutsideFile::recognises(SheetExports::earlierExport(format), bytes);
    OutsideFile::recognises(ExportTarget::windowExport, bytes);
    for (auto kind : {ExportMarker::Kind::Markdown, ExportMarker::Kind::Text}) {
        const QByteArray sealed = ExportMarker::sealed(kind, bytes);
        if (!ExportMarker::isSealed(kind, sealed) || ExportMarker::isSealed(kind, sealed + "x\n"))
            __builtin_trap();
    }
    return 0;
}
