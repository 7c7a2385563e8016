#include "export/ExportTarget.h"

#include "common/OutsideFile.h"
#include "common/QuillError.h"
#include "files/CharacterFile.h"
#include "files/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

// An export is at most a few times the size of the character file it was made from.
constexpr OutsideFile::Kind exportFile{u"an export", qint64(256) << 20};

QString formatName(SheetExports::Format format)
{
    switch (format) {
    case SheetExports::Format::Json:
        return u"JSON"_s;
    case SheetExports::Format::Markdown:
        return u"Markdown"_s;
    case SheetExports::Format::Text:
        return u"plain text"_s;
    }
    return {};
}

} // namespace

bool holdsCharacter(const QString &name)
{
    if (!QFileInfo(name).isFile())
        return false;
    try {
        // Also one that ends early: Open loads it, with a warning.
        CharacterFileFormat::decode(FileAccess::readAll(name));
        return true;
    } catch (const QuillError &) {
        return false;
    }
}

QString windowRefusal(const QString &name, const QStringList &kept)
{
    const QString target = identity(name);
    for (const QString &file : kept)
        if (!file.isEmpty() && identity(file) == target)
            return QCoreApplication::translate("ExportTarget",
                                               "\"%1\" is a file Quillmark reads; an export never "
                                               "replaces it.")
                .arg(name);
    if (holdsCharacter(name))
        return QCoreApplication::translate("ExportTarget",
                                           "\"%1\" holds a character; an export never replaces it.")
            .arg(name);
    return {};
}

QString commandLineRefusal(SheetExports::Format format, const QString &name)
{
    const QFileInfo info(name);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (!info.exists())
        return QCoreApplication::translate("ExportTarget",
                                           "%1 is a link to nothing; it was left as it is.")
            .arg(name);
    if (!info.isFile() || holdsCharacter(name))
        return QCoreApplication::translate(
                   "ExportTarget",
                   "%1 exists and is not an earlier %2 export; it was left as it is.")
            .arg(name, formatName(format));
    const OutsideFile::Result read = OutsideFile::read(name, exportFile);
    if (!read.ok() || !SheetExports::isExport(format, read.bytes))
        return QCoreApplication::translate(
                   "ExportTarget",
                   "%1 exists and is not an earlier %2 export; it was left as it is.")
            .arg(name, formatName(format));
    return {};
}

} // namespace ExportTarget
