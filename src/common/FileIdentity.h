#pragma once

#include <QString>

struct stat;

// Which file a name stood for when it was read or written: its canonical path, its device and
// inode, and its size and modification time. When any of them differs later, the file is another
// one or another program has changed it since.
struct FileIdentity
{
    QString canonicalPath;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0; // nanoseconds since the epoch

    bool isNull() const { return canonicalPath.isEmpty(); }
    bool operator==(const FileIdentity &) const = default;

    // The file `name` stands for now (links followed); null when there is none.
    static FileIdentity of(const QString &name);
    // The name that every name of one file shares, through "..", "." and links: its canonical
    // path, or the clean absolute path of a file that does not exist yet.
    static QString canonicalName(const QString &name);
    // The file `name` stood for when it was opened, from that file's status.
    static FileIdentity of(const QString &name, const struct stat &st);
};
