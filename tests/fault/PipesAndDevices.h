#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Makes, at `path`, a file that is not what a reader expects, as named by `kind`: "fifo" (no
// writer), "fifo with a writer" (one that writes nothing), "socket", "link to <device>", or
// "sparse <bytes>" (a regular file of that size that takes no room on the disk). Returns a
// descriptor to close after the test (the writer or the socket), -1 for none, -2 on failure.
inline int makeSpecialFile(const QString &path, const QString &kind)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QStringLiteral("fifo"))
        return ::mkfifo(name.constData(), 0600) == 0 ? -1 : -2;
    if (kind == QStringLiteral("fifo with a writer")) {
        if (::mkfifo(name.constData(), 0600) != 0)
            return -2;
        // Open for reading and writing, which does not wait for the other end.
        const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
        return fd >= 0 ? fd : -2;
    }
    if (kind == QStringLiteral("socket")) {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        if (size_t(name.size()) >= sizeof address.sun_path)
            return -2;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            return -2;
        return fd;
    }
    if (kind.startsWith(QStringLiteral("link to ")))
        return QFile::link(kind.mid(8), path) ? -1 : -2;
    if (kind.startsWith(QStringLiteral("sparse "))) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(kind.mid(7).toLongLong()) ? -1 : -2;
    }
    return -2;
}
