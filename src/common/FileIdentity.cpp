#include "common/FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

FileIdentity FileIdentity::of(const QString &name)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(name).constData(), &st) != 0)
        return {};
    return of(name, st);
}

QString FileIdentity::canonicalName(const QString &name)
{
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

FileIdentity FileIdentity::of(const QString &name, const struct stat &st)
{
    FileIdentity identity;
    identity.canonicalPath = QFileInfo(name).canonicalFilePath();
    identity.device = st.st_dev;
    identity.inode = st.st_ino;
    identity.size = st.st_size;
    identity.modifiedNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    return identity;
}
