#include "files/IoError.h"

#include "common/QuillError.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace IoError {

QString text(int code)
{
    switch (code) {
    case FileNotFound:
        return u"File not found"_s;
    case InvalidFilename:
        return u"Invalid filename"_s;
    case TooManyOpenFiles:
        return u"Too many open files"_s;
    case AccessDenied:
        return u"File access denied"_s;
    case ReadBeyondEnd:
        return u"Read beyond end of file"_s;
    case DiskFull:
        return u"Disk full"_s;
    case InvalidNumericInput:
        return u"Invalid numeric input"_s;
    default:
        return u"I/O error %1"_s.arg(code);
    }
}

int codeOf(int error, Use use, const QString &name)
{
    switch (error) {
    case ENOENT:
        // Creating a file fails this way only for a missing folder; reading, for either.
        if (use == Use::Create || !QFileInfo(name).absoluteDir().exists())
            return InvalidFilename;
        return FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return InvalidFilename;
    case EMFILE:
    case ENFILE:
        return TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiskFull;
    default:
        return 0;
    }
}

QString message(int error, Use use, const QString &name)
{
    const int code = codeOf(error, use, name);
    return code ? text(code) : u"I/O error %1"_s.arg(error);
}

void raiseErrno(int error, Use use, const QString &name)
{
    throw QuillError(message(error, use, name));
}

} // namespace IoError
