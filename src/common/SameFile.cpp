#include "common/SameFile.h"

#include <QDir>
#include <QFileInfo>

namespace SameFile {

QString identity(const QString &name)
{
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace SameFile
