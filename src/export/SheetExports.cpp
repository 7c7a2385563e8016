#include "export/SheetExports.h"

#include "export/ExportMarker.h"
#include "export/SheetJson.h"
#include "export/SheetMarkdown.h"
#include "export/SheetPlainText.h"
#include "export/Tr.h"

#include <array>

using namespace Qt::StringLiterals;

namespace SheetExports {
namespace {

bool isJsonExport(const OutsideFile::Look &look)
{
    return SheetJson::isExport(look.head);
}

bool isMarkdownExport(const OutsideFile::Look &look)
{
    return look.whole() && ExportMarker::isSealed(ExportMarker::Kind::Markdown, look.head);
}

bool isTextExport(const OutsideFile::Look &look)
{
    return look.whole() && ExportMarker::isSealed(ExportMarker::Kind::Text, look.head);
}

// The JSON marker may stand behind two values of the sheet, each at most CharacterFileCheck's
// 100,000 characters, six bytes each when escaped.
constexpr qint64 jsonHead = qint64(2) << 20;

struct Row
{
    const char16_t *extension;
    const char *name; // in the file dialog, shown
    QByteArray (*write)(const CharacterSheet &sheet);
    OutsideFile::ReplaceRule earlier;
};

// By Format.
const std::array<Row, 3> rows = {{
    {.extension = u"json",
     .name = QT_TRANSLATE_NOOP("Quillmark::Export", "JSON"),
     .write = SheetJson::write,
     .earlier = {QT_TRANSLATE_NOOP("Quillmark::Common", "an earlier JSON export"), jsonHead,
                 isJsonExport}},
    {.extension = u"md",
     .name = QT_TRANSLATE_NOOP("Quillmark::Export", "Markdown"),
     .write = SheetMarkdown::write,
     .earlier = {QT_TRANSLATE_NOOP("Quillmark::Common", "an earlier Markdown export"), maxBytes,
                 isMarkdownExport}},
    {.extension = u"txt",
     .name = QT_TRANSLATE_NOOP("Quillmark::Export", "Plain text"),
     .write = SheetPlainText::write,
     .earlier = {QT_TRANSLATE_NOOP("Quillmark::Common", "an earlier plain text export"), maxBytes,
                 isTextExport}},
}};

const Row &row(Format format)
{
    return rows.at(static_cast<std::size_t>(format));
}

} // namespace

QByteArray write(Format format, const CharacterSheet &sheet)
{
    return row(format).write(sheet);
}

QString extension(Format format)
{
    return QString::fromUtf16(row(format).extension);
}

FileType fileType(Format format)
{
    //: A file type in the report's file dialog: its name, then its files' extension.
    return {extension(format),
            ExportTr::tr("%1 (*.%2)").arg(ExportTr::tr(row(format).name), extension(format))};
}

const OutsideFile::ReplaceRule &earlierExport(Format format)
{
    return row(format).earlier;
}

} // namespace SheetExports
