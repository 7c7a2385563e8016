#include "files/FileAccess.h"

#include "common/OutsideFile.h"
#include "common/QuillError.h"
#include "files/IoError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

} // namespace

namespace FileAccess {
namespace {

using IoError::Use;

// Writes everything, resuming after short writes; 0 or the errno of the failure.
int writeAll(int fd, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    return 0;
}

// A pipe may have no reader or one that never reads, and a device is no place for a character:
// neither is opened, so a save can neither block nor write half a character.
[[noreturn]] void refuseSpecial(const QString &name, mode_t mode)
{
    const QString text =
        S_ISFIFO(mode) ? Text::tr("\"%1\" is a named pipe, not a regular file; the character was "
                                  "not saved")
        : S_ISCHR(mode) || S_ISBLK(mode)
            ? Text::tr("\"%1\" is a device, not a regular file; the character was not saved")
        : S_ISSOCK(mode)
            ? Text::tr("\"%1\" is a socket, not a regular file; the character was not saved")
            : Text::tr("\"%1\" is not a regular file; the character was not saved");
    throw QuillError(text.arg(name));
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes the bytes to a new file beside `target` and returns its name; on failure removes it.
QByteArray writeTemporary(const QString &target, const struct stat *old, QByteArrayView bytes)
{
    QByteArray temp = QFile::encodeName(QFileInfo(target).absolutePath()) + "/.qmsave-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        IoError::raiseErrno(errno, Use::Create, target);
    // Only root can hand the file to another owner; anyone else saves it as their own. The owner
    // goes first, as changing it clears the set-user and set-group bits.
    [[maybe_unused]] const int owned = old ? ::fchown(fd, old->st_uid, old->st_gid) : 0;
    int error = ::fchmod(fd, old ? old->st_mode & 07777 : newFileMode()) == 0 ? 0 : errno;
    if (!error)
        error = writeAll(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error) {
        ::unlink(temp.constData());
        IoError::raiseErrno(error, Use::Create, target);
    }
    return temp;
}

// The folder's entry for the renamed file reaches the disk too; a failure here loses nothing.
void syncFolder(const QString &target)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QByteArray readAll(const QString &name)
{
    OutsideFile::Result file = OutsideFile::read(name, OutsideFile::characterFile);
    if (file.error)
        IoError::raiseErrno(file.error, Use::Read, name);
    if (!file.refusal.isEmpty())
        throw QuillError(
            Text::tr("The character file \"%1\" cannot be read: %2").arg(name, file.refusal));
    return std::move(file.bytes);
}

void replace(const QString &name, QByteArrayView bytes)
{
    struct stat old = {};
    const bool exists = ::stat(QFile::encodeName(name).constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        IoError::raiseErrno(errno, Use::Create, name);
    if (exists && S_ISDIR(old.st_mode))
        IoError::raiseErrno(EISDIR, Use::Create, name);
    if (exists && !S_ISREG(old.st_mode))
        refuseSpecial(name, old.st_mode);
    // The rename would replace a file that its owner made read-only.
    if (exists && ::access(QFile::encodeName(name).constData(), W_OK) != 0)
        IoError::raiseErrno(errno, Use::Create, name);

    const QString target = exists ? QFileInfo(name).canonicalFilePath() : name;
    const QByteArray temp = writeTemporary(target, exists ? &old : nullptr, bytes);
    if (::rename(temp.constData(), QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        IoError::raiseErrno(error, Use::Create, name);
    }
    syncFolder(target);
}

} // namespace FileAccess
