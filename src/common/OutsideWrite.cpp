#include "common/OutsideWrite.h"

#include "common/CharacterFileCheck.h"
#include "common/OutsideFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OutsideFile)
};

} // namespace

namespace OutsideFile {
namespace {

// Enough of a file's start to see its first 17 lines in all but a file whose values are near
// their limit; a file cut short there still counts as a character file.
constexpr qint64 characterHeadBytes = 256 * 1024;

// How often a target that changes under the write is judged again before the write gives up.
constexpr int attempts = 3;

WriteResult failure(int error)
{
    return {error, {}};
}

WriteResult refusal(QString why)
{
    return {0, std::move(why)};
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

// The existing target, opened and judged; `fd` stays open on it for a look after the exchange.
struct Judged
{
    WriteResult result;
    int fd = -1;
    struct stat st = {};
};

Judged judge(const Target &target, const ReplaceRule &rule)
{
    Judged judged;
    // The rename would replace a file that its owner made read-only.
    if (::access(target.path.constData(), W_OK) != 0)
        return {failure(errno)};
    judged.fd = ::open(target.path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (judged.fd < 0)
        return {failure(errno)};
    if (::fstat(judged.fd, &judged.st) != 0)
        judged.result = failure(errno);
    else if (!S_ISREG(judged.st.st_mode))
        judged.result = refusal(notRegular(judged.st.st_mode));
    else
        judged.result = judgeLook(
            lookAt(judged.fd, judged.st.st_size, qMax(rule.headBytes, characterHeadBytes)), rule);
    return judged;
}

void closeJudged(Judged &judged)
{
    if (judged.fd >= 0)
        ::close(judged.fd);
    judged.fd = -1;
}

// After an exchange the temporary name holds the file that was displaced: it must be the one
// judged, and still pass.
bool displacedIsJudged(const QByteArray &temporary, const Judged &judged, const ReplaceRule &rule)
{
    struct stat now = {};
    if (::lstat(temporary.constData(), &now) != 0 || now.st_dev != judged.st.st_dev ||
        now.st_ino != judged.st.st_ino || ::fstat(judged.fd, &now) != 0)
        return false;
    return judgeLook(lookAt(judged.fd, now.st_size, qMax(rule.headBytes, characterHeadBytes)), rule)
        .ok();
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

// Exchanges the new file with the judged one, which is put back unless it is still the file
// judged and still passes.
Placed exchange(const QByteArray &temporary, const Target &target, const Judged &judged,
                const ReplaceRule &rule, WriteResult &result)
{
    const char *path = target.path.constData();
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, path, RENAME_EXCHANGE) != 0) {
        // A file system without the exchange: only the judgement just made stands.
        if (unsupported(errno) && ::rename(temporary.constData(), path) == 0)
            return Placed::Done;
        result = failure(errno);
        return Placed::Failed;
    }
    if (displacedIsJudged(temporary, judged, rule)) {
        ::unlink(temporary.constData());
        return Placed::Done;
    }
    ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, path, RENAME_EXCHANGE);
    return Placed::Again;
}

// An existing file: judged, then exchanged with the new one.
Placed placeOver(const QByteArray &temporary, const Target &target, const ReplaceRule &rule,
                 WriteResult &result)
{
    Judged judged = judge(target, rule);
    result = judged.result;
    const Placed placed =
        result.ok() ? exchange(temporary, target, judged, rule, result) : Placed::Failed;
    closeJudged(judged);
    return placed;
}

} // namespace

QString notTheRightKind(const ReplaceRule &rule)
{
    return Text::tr("it exists and is not %1").arg(Text::tr(rule.what));
}

QString characterFileKept()
{
    return Text::tr("it is a character file, which only Save replaces");
}

QString linkToNothing()
{
    return Text::tr("it is a link to a missing file");
}

PendingWrite::PendingWrite(const QString &name, const ReplaceRule &rule)
    : m_name(name), m_rule(rule)
{
    Target target;
    m_result = resolve(name, target);
    if (m_result.ok() && target.exists) {
        Judged judged = judge(target, rule);
        m_result = judged.result;
        closeJudged(judged);
    }
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
    const int closed = ::close(m_fd) == 0 ? 0 : errno;
    m_fd = -1;
    if (synced || closed)
        return failure(synced ? synced : closed);
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
            return {};
        }
    }
    return refusal(Text::tr("it kept changing while it was being written"));
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
