#include "files/recovery/RecoveryFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace RecoveryFolder {

QString pathFor(const QByteArray &stateHome, const QByteArray &home)
{
    const QString state = QFile::decodeName(stateHome);
    if (QDir::isAbsolutePath(state))
        return QDir::cleanPath(state + u"/quillmark"_s);
    const QString user = QFile::decodeName(home);
    if (QDir::isAbsolutePath(user))
        return QDir::cleanPath(user + u"/.local/state/quillmark"_s);
    return {};
}

QString path()
{
    return pathFor(qgetenv("XDG_STATE_HOME"), qgetenv("HOME"));
}

int make(const QString &folder)
{
    if (folder.isEmpty())
        return ENOENT;
    if (QFileInfo(folder).isDir())
        return 0;
    // The folders above are the user's; only the program's own is closed to others.
    QDir().mkpath(QFileInfo(folder).absolutePath());
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        return errno;
    return QFileInfo(folder).isDir() ? 0 : ENOTDIR;
}

} // namespace RecoveryFolder
