#include "files/IoError.h"

#include "common/QuillError.h"
#include "files/Tr.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace IoError {

QString text(int code)
{
    switch (code) {
    case FileNotFound:
        return FilesTr::tr("File not found");
    case InvalidFilename:
        return FilesTr::tr("Invalid filename");
    case TooManyOpenFiles:
        return FilesTr::tr("Too many open files");
    case AccessDenied:
        return FilesTr::tr("File access denied");
    case ReadBeyondEnd:
        return FilesTr::tr("Read beyond end of file");
    case DiskFull:
        return FilesTr::tr("Disk full");
    case InvalidNumericInput:
        return FilesTr::tr("Invalid numeric input");
    default:
        return FilesTr::tr("I/O error %1").arg(code);
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
    return code ? text(code) : FilesTr::tr("I/O error %1").arg(error);
}

void raiseErrno(int error, Use use, const QString &name)
{
    throw QuillError(message(error, use, name));
}

} // namespace IoError
