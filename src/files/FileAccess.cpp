#include "files/FileAccess.h"

#include "common/OutsideFile.h"
#include "common/OutsideWrite.h"
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

using IoError::Use;

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
    const OutsideFile::WriteResult written =
        OutsideFile::replace(name, bytes, OutsideFile::characterSave);
    if (written.error)
        IoError::raiseErrno(written.error, Use::Create, name);
    if (!written.refusal.isEmpty())
        throw QuillError(u"\"%1\" cannot be written: %2; the character was not saved"_s.arg(
            name, written.refusal));
}

} // namespace FileAccess
