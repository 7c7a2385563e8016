#include "export/ExportTarget.h"

#include "common/OutsideWrite.h"
#include "common/QuillError.h"
#include "export/LastLine.h"
#include "export/SheetDescription.h"
#include "export/SheetJson.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <array>

using namespace Qt::StringLiterals;

namespace ExportTarget {
namespace {

// Names the same file the same way, also through "..", a link or a second name in the folder.
QString identity(const QString &name)
{
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool isJsonExport(const OutsideFile::Look &look)
{
    return SheetJson::isExport(look.head);
}

bool isMarkdownExport(const OutsideFile::Look &look)
{
    return LastLine::is(look.tail, SheetExport::markdownMarker);
}

bool isTextExport(const OutsideFile::Look &look)
{
    return LastLine::is(look.tail, SheetExport::textMarker);
}

// A report layout or a settings file, by its first bytes.
bool isNeitherLayoutNorSettings(const OutsideFile::Look &look)
{
    const QByteArray start = look.head.trimmed();
    return !start.startsWith("[Character Types]") && !start.startsWith("[Resource Types]") &&
           !(start.startsWith("<?xml") && start.contains("<project")) &&
           !start.startsWith("<project");
}

// The JSON marker may stand behind two values of the sheet, each at most CharacterFileCheck's
// 100,000 characters, six bytes each when escaped.
constexpr qint64 jsonHead = qint64(2) << 20;

// By Format.
const std::array<OutsideFile::ReplaceRule, 3> rules = {{
    {QT_TRANSLATE_NOOP("OutsideFile", "an earlier JSON export"), jsonHead, isJsonExport},
    {QT_TRANSLATE_NOOP("OutsideFile", "an earlier Markdown export"), 0, isMarkdownExport},
    {QT_TRANSLATE_NOOP("OutsideFile", "an earlier plain text export"), 0, isTextExport},
}};

} // namespace

const OutsideFile::ReplaceRule windowExport{
    QT_TRANSLATE_NOOP("OutsideFile",
                      "a file an export may replace: it is a report layout or a settings file"),
    4096, isNeitherLayoutNorSettings};

const OutsideFile::ReplaceRule &earlierExport(SheetExports::Format format)
{
    return rules.at(static_cast<std::size_t>(format));
}

QString keptRefusal(const QString &name, const QStringList &kept)
{
    const QString target = identity(name);
    for (const QString &file : kept)
        if (!file.isEmpty() && identity(file) == target)
            return QCoreApplication::translate(
                       "ExportTarget",
                       "\"%1\" is a file Quillmark reads; an export never replaces it.")
                .arg(name);
    return {};
}

void write(const QString &name, QByteArrayView bytes, const OutsideFile::ReplaceRule &rule)
{
    const OutsideFile::WriteResult written = OutsideFile::replace(name, bytes, rule);
    if (!written.ok())
        throw QuillError(
            QCoreApplication::translate(
                "ExportTarget", "The export cannot be written to \"%1\": %2; it was left as it is")
                .arg(name, written.reason()));
}

} // namespace ExportTarget
