#include "export/ExportTarget.h"

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

} // namespace

bool holdsCharacter(const QString &name)
{
    if (!QFileInfo(name).isFile())
        return false;
    try {
        const CharacterFile file = CharacterFileFormat::decode(FileAccess::readAll(name));
        return file.complete && !file.tooManyItems;
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

} // namespace ExportTarget
