#include "export/ExportTarget.h"

#include "common/FileIdentity.h"
#include "common/OutsideFile.h"
#include "common/OutsideWrite.h"
#include "common/QuillError.h"
#include "export/Tr.h"

namespace ExportTarget {
namespace {

// An empty file holds nothing to keep, though the settings may be written into one.
bool isNeitherLayoutNorSettings(const OutsideFile::Look &look)
{
    return look.size == 0 || (!OutsideFile::isLayout(look) && !OutsideFile::isSettingsFile(look));
}

} // namespace

// A settings file is known only when read whole.
const OutsideFile::ReplaceRule windowExport{
    QT_TRANSLATE_NOOP("Quillmark::Common",
                      "a file an export may replace: it is a report layout or a settings file"),
    OutsideFile::settingsFile.maxBytes + 1, isNeitherLayoutNorSettings};

QString keptRefusal(const QString &name, const QStringList &kept)
{
    const QString target = FileIdentity::canonicalName(name);
    for (const QString &file : kept)
        if (!file.isEmpty() && FileIdentity::canonicalName(file) == target)
            return ExportTr::tr("\"%1\" is a file Quillmark reads; an export never replaces it.")
                .arg(name);
    return {};
}

void write(const QString &name, QByteArrayView bytes, const OutsideFile::ReplaceRule &rule)
{
    const OutsideFile::WriteResult written = OutsideFile::replace(name, bytes, rule);
    if (!written.ok())
        throw QuillError(
            ExportTr::tr("The export cannot be written to \"%1\": %2; it was left as it is")
                .arg(name, written.reason()));
}

} // namespace ExportTarget
