#include "files/IoError.h"

#include "common/QuillError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(IoError)
};

} // namespace

namespace IoError {

QString text(int code)
{
    switch (code) {
    case FileNotFound:
        return Text::tr("File not found");
    case InvalidFilename:
        return Text::tr("Invalid filename");
    case TooManyOpenFiles:
        return Text::tr("Too many open files");
    case AccessDenied:
        return Text::tr("File access denied");
    case ReadBeyondEnd:
        return Text::tr("Read beyond end of file");
    case DiskFull:
        return Text::tr("Disk full");
    case InvalidNumericInput:
        return Text::tr("Invalid numeric input");
    default:
        return Text::tr("I/O error %1").arg(code);
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
    return code ? text(code) : Text::tr("I/O error %1").arg(error);
}

void raiseErrno(int error, Use use, const QString &name)
{
    throw QuillError(message(error, use, name));
}

} // namespace IoError
