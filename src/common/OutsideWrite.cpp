#include "common/OutsideWrite.h"

#include "common/CharacterFileCheck.h"
#include "common/OutsideFile.h"
#include "common/Tr.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace OutsideFile {
namespace {

// Enough of a file's start to see its first 17 lines in all but a file whose values are near
// their limit; a file cut short there still counts as a character file.
constexpr qint64 characterHeadBytes = 256 * 1024;

// How often a target that changes under the write is judged again before the write gives up.
constexpr int attempts = 3;

WriteResult failure(int error)
{
    WriteResult result;
    result.error = error;
    return result;
}

WriteResult refusal(QString why)
{
    WriteResult result;
    result.refusal = std::move(why);
    return result;
}

// The file a name leads to: the name itself, or the end of its links.
struct Target
{
    QByteArray path;
    bool exists = false;
    struct stat st = {};
};

WriteResult resolve(const QString &name, Target &target)
{
    target = {QFile::encodeName(name), false, {}};
    struct stat link = {};
    if (::lstat(target.path.constData(), &link) != 0)
        return errno == ENOENT ? WriteResult() : failure(errno);
    target.st = link;
    if (S_ISLNK(link.st_mode)) {
        if (::stat(target.path.constData(), &target.st) != 0)
            return errno == ENOENT ? refusal(linkToNothing()) : failure(errno);
        char *real = ::realpath(target.path.constData(), nullptr);
        if (!real)
            return failure(errno);
        target.path = real;
        std::free(real);
    }
    target.exists = true;
    if (S_ISDIR(target.st.st_mode))
        return failure(EISDIR);
    if (!S_ISREG(target.st.st_mode))
        return refusal(notRegular(target.st.st_mode));
    return {};
}

QByteArray readAt(int fd, qint64 offset, qint64 length)
{
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

Look lookAt(int fd, qint64 size, qint64 headBytes)
{
    Look look;
    look.size = size;
    look.head = readAt(fd, 0, qMin(size, headBytes));
    const qint64 tail = qMin(size, tailBytes);
    look.tail = readAt(fd, size - tail, tail);
    return look;
}

// Whether the character reader would open the file without an error, as far as its start tells;
// a file whose first 17 lines do not all fit in the look counts as one.
bool opensAsCharacter(const Look &look)
{
    using What = CharacterFileCheck::Finding::What;
    if (look.size > characterFile.maxBytes)
        return false;
    const QByteArrayView text = CharacterFileCheck::text(look.head);
    const bool whole = look.whole() || look.head.contains('\x1a');
    const What what = CharacterFileCheck::check(text, whole).what;
    return what == What::Opens || what == What::CutShort;
}

WriteResult judgeLook(const Look &look, const ReplaceRule &rule)
{
    if (!rule.replacesCharacterFiles && opensAsCharacter(look))
        return refusal(characterFileKept());
    if (!rule.recognises(look))
        return refusal(notTheRightKind(rule));
    return {};
}

// The existing target as it was judged: the verdict, and the file's status.
struct Judged
{
    WriteResult result;
    struct stat st = {};
};

Judged judge(const Target &target, const ReplaceRule &rule)
{
    // The rename would replace a file that its owner made read-only.
    if (::access(target.path.constData(), W_OK) != 0)
        return {failure(errno)};
    const int fd = ::open(target.path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {failure(errno)};
    Judged judged;
    if (::fstat(fd, &judged.st) != 0)
        judged.result = failure(errno);
    else if (!S_ISREG(judged.st.st_mode))
        judged.result = refusal(notRegular(judged.st.st_mode));
    else
        judged.result = judgeLook(
            lookAt(fd, judged.st.st_size, qMax(rule.headBytes, characterHeadBytes)), rule);
    ::close(fd);
    return judged;
}

bool unsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

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

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QByteArray folderOf(const QByteArray &path)
{
    return QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
}

// The folder's entry for the renamed file reaches the disk too; a failure here loses nothing.
void syncFolder(const QByteArray &path)
{
    const int fd = ::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

enum class Placed
{
    Done,
    Again, // the target changed under the write: judge it once more
    Failed
};

// A new name: taken only while it is still free.
Placed placeNew(const QByteArray &temporary, const Target &target, WriteResult &result)
{
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.path.constData(),
                    RENAME_NOREPLACE) == 0)
        return Placed::Done;
    if (errno == EEXIST)
        return Placed::Again;
    // A file system without the no-replacing rename: the judgement just made stands.
    if (unsupported(errno) && ::rename(temporary.constData(), target.path.constData()) == 0)
        return Placed::Done;
    result = failure(errno);
    return Placed::Failed;
}

// An existing file: judged, then replaced by one rename while its name still stands for the file
// judged. A file manager watching the folder sees the name changed, never removed. Between the
// last look and the rename another program could put a file there; a program that can do that
// could as well remove the file, so that moment is not guarded further.
Placed placeOver(const QByteArray &temporary, const Target &target, const ReplaceRule &rule,
                 WriteResult &result)
{
    const Judged judged = judge(target, rule);
    result = judged.result;
    if (!result.ok())
        return Placed::Failed;
    struct stat now = {};
    if (::lstat(target.path.constData(), &now) != 0 || now.st_dev != judged.st.st_dev ||
        now.st_ino != judged.st.st_ino)
        return Placed::Again;
    if (::rename(temporary.constData(), target.path.constData()) != 0) {
        result = failure(errno);
        return Placed::Failed;
    }
    return Placed::Done;
}

} // namespace

QString WriteResult::reason() const
{
    return OutsideFile::reason(error, refusal);
}

QString notTheRightKind(const ReplaceRule &rule)
{
    return CommonTr::tr("it exists and is not %1").arg(CommonTr::tr(rule.what));
}

QString characterFileKept()
{
    return CommonTr::tr("it is a character file, which only Save replaces");
}

QString linkToNothing()
{
    return CommonTr::tr("it is a link to a missing file");
}

PendingWrite::PendingWrite(const QString &name, const ReplaceRule &rule)
    : m_name(name), m_rule(rule)
{
    Target target;
    m_result = resolve(name, target);
    if (m_result.ok() && target.exists)
        m_result = judge(target, rule).result;
    if (!m_result.ok())
        return;
    m_temporary = folderOf(target.path) + "/.quillmark-XXXXXX";
    m_fd = ::mkostemp(m_temporary.data(), O_CLOEXEC);
    if (m_fd < 0) {
        m_result = failure(errno);
        m_temporary.clear();
        return;
    }
    // Only root can hand the file to another owner; anyone else writes it as their own. The owner
    // goes first, as changing it clears the set-user and set-group bits.
    const struct stat *old = target.exists ? &target.st : nullptr;
    [[maybe_unused]] const int owned = old ? ::fchown(m_fd, old->st_uid, old->st_gid) : 0;
    if (::fchmod(m_fd, old ? old->st_mode & 07777 : newFileMode()) != 0)
        m_result = failure(errno);
}

PendingWrite::~PendingWrite()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
}

QString PendingWrite::temporaryName() const
{
    return QFile::decodeName(m_temporary);
}

WriteResult PendingWrite::commit()
{
    m_result = place();
    if (!m_result.ok() && !m_temporary.isEmpty()) {
        ::unlink(m_temporary.constData());
        m_temporary.clear();
    }
    return m_result;
}

WriteResult PendingWrite::place()
{
    if (!m_result.ok())
        return m_result;
    const int synced = ::fsync(m_fd) == 0 ? 0 : errno;
    // Renaming keeps the file's size and modification time, so this is the file as placed.
    struct stat written = {};
    const int looked = ::fstat(m_fd, &written) == 0 ? 0 : errno;
    const int closed = ::close(m_fd) == 0 ? 0 : errno;
    m_fd = -1;
    if (synced || looked || closed)
        return failure(synced ? synced : looked ? looked : closed);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        Target target;
        WriteResult result = resolve(m_name, target);
        if (!result.ok())
            return result;
        const Placed placed = target.exists ? placeOver(m_temporary, target, m_rule, result)
                                            : placeNew(m_temporary, target, result);
        if (placed == Placed::Failed)
            return result;
        if (placed == Placed::Done) {
            m_temporary.clear();
            syncFolder(target.path);
            WriteResult done;
            done.identity = FileIdentity::of(QFile::decodeName(target.path), written);
            return done;
        }
    }
    return refusal(CommonTr::tr("it kept changing while it was being written"));
}

WriteResult replace(const QString &name, QByteArrayView bytes, const ReplaceRule &rule)
{
    PendingWrite write(name, rule);
    if (!write.started().ok())
        return write.started();
    if (const int error = writeAll(write.fd(), bytes))
        return failure(error);
    return write.commit();
}

} // namespace OutsideFile
