#include "common/OutsideFile.h"

#include "common/Tr.h"
#include "common/Translations.h"

#include <QFile>
#include <QLocale>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace OutsideFile {
namespace {

// Room beyond the reported size, so that the read that finds the end needs no larger buffer; a
// file whose size is not known (as in /proc) grows its buffer from here, up to the limit.
constexpr qint64 margin = 4096;

QString sizeText(qint64 bytes, int precision)
{
    return Translations::dataSize(bytes, precision);
}

QString tooLarge(const QString &size, const Kind &kind)
{
    return CommonTr::tr("it is too large: %1, where %2 may have at most %3")
        .arg(size, CommonTr::tr(kind.name), sizeText(kind.maxBytes, 0));
}

// What the file's status alone says against reading it.
Result judge(const struct stat &st, const Kind &kind)
{
    Result result;
    if (S_ISDIR(st.st_mode))
        result.error = EISDIR;
    else if (!S_ISREG(st.st_mode))
        result.refusal = notRegular(st.st_mode);
    else if (st.st_size > kind.maxBytes)
        result.refusal = tooLarge(sizeText(st.st_size, 1), kind);
    return result;
}

Result failed(int fd, int error)
{
    ::close(fd);
    Result result;
    result.error = error;
    return result;
}

// Reads to the end, or to one byte past the limit.
Result readOpened(int fd, qint64 reported, const Kind &kind)
{
    const qint64 cap = kind.maxBytes + 1;
    QByteArray bytes(qsizetype(qMin(reported + margin, cap)), Qt::Uninitialized);
    qsizetype size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size >= cap)
                break;
            bytes.resize(qsizetype(qMin(qint64(size) * 2, cap)));
        }
        const ssize_t n = ::read(fd, bytes.data() + size, size_t(bytes.size() - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            ::close(fd);
            Result result;
            result.refusal = CommonTr::tr(
                "it would make the program wait for more to read, as no regular file does");
            return result;
        }
        if (n < 0)
            return failed(fd, errno);
        if (n == 0)
            break;
        size += n;
    }
    ::close(fd);
    Result result;
    if (size > kind.maxBytes) {
        result.refusal =
            tooLarge(CommonTr::tr("more than %1").arg(sizeText(kind.maxBytes, 0)), kind);
        return result;
    }
    bytes.truncate(size);
    result.bytes = std::move(bytes);
    return result;
}

} // namespace

QString reason(int error, const QString &refusal)
{
    if (!refusal.isEmpty() || error == 0)
        return refusal;
    if (error == EISDIR)
        return CommonTr::tr("it is a folder");
    return qt_error_string(error);
}

QString Result::reason() const
{
    return OutsideFile::reason(error, refusal);
}

QString notRegular(unsigned mode)
{
    if (S_ISFIFO(mode))
        return CommonTr::tr("it is a named pipe, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return CommonTr::tr("it is a device, not a regular file");
    if (S_ISSOCK(mode))
        return CommonTr::tr("it is a socket, not a regular file");
    return CommonTr::tr("it is not a regular file");
}

Result read(const QString &name, const Kind &kind)
{
    const QByteArray path = QFile::encodeName(name);
    // Judged before the open as well: opening a device can act on it (a tape rewinds).
    struct stat st = {};
    if (::stat(path.constData(), &st) != 0) {
        Result result;
        result.error = errno;
        // The system hands out a name that is not UTF-8 with U+FFFD in place of its bytes, and
        // by that name the file is not found.
        if (errno == ENOENT && name.contains(QChar::ReplacementCharacter)) {
            result.error = 0;
            result.refusal = CommonTr::tr("its name cannot be read, as it is not valid UTF-8");
        }
        return result;
    }
    if (Result early = judge(st, kind); !early.ok())
        return early;
    // Not blocking, in case the name now stands for a pipe without a writer.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        Result result;
        result.error = errno;
        return result;
    }
    // Judged again on what was opened, since the name may have been given to another file.
    if (::fstat(fd, &st) != 0)
        return failed(fd, errno);
    if (Result opened = judge(st, kind); !opened.ok()) {
        ::close(fd);
        return opened;
    }
    // Still not blocking: a file that says it is regular may wait for more to read (/proc/kmsg).
    Result result = readOpened(fd, st.st_size, kind);
    if (result.ok())
        result.identity = FileIdentity::of(name, st);
    return result;
}

} // namespace OutsideFile
