#include "export/SheetExports.h"

#include "export/SheetJson.h"
#include "export/SheetMarkdown.h"
#include "export/SheetPlainText.h"

#include <array>

namespace SheetExports {
namespace {

struct Writer
{
    const char16_t *extension;
    QByteArray (*write)(const CharacterSheet &sheet);
    bool (*isExport)(QByteArrayView bytes);
};

// By Format.
constexpr std::array<Writer, 3> writers = {{
    {u"json", SheetJson::write, SheetJson::isExport},
    {u"md", SheetMarkdown::write, SheetMarkdown::isExport},
    {u"txt", SheetPlainText::write, SheetPlainText::isExport},
}};

const Writer &writer(Format format)
{
    return writers.at(static_cast<std::size_t>(format));
}

} // namespace

QByteArray write(Format format, const CharacterSheet &sheet)
{
    return writer(format).write(sheet);
}

QString extension(Format format)
{
    return QString::fromUtf16(writer(format).extension);
}

bool isExport(Format format, QByteArrayView bytes)
{
    return writer(format).isExport(bytes);
}

} // namespace SheetExports
