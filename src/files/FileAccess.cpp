#include "files/FileAccess.h"

#include "common/OutsideFile.h"
#include "common/OutsideWrite.h"
#include "common/QuillError.h"
#include "files/IoError.h"
#include "files/Tr.h"

namespace FileAccess {

using IoError::Use;

Contents readAll(const QString &name)
{
    OutsideFile::Result file = OutsideFile::read(name, OutsideFile::characterFile);
    if (file.error)
        IoError::raiseErrno(file.error, Use::Read, name);
    if (!file.refusal.isEmpty())
        throw QuillError(
            FilesTr::tr("The character file \"%1\" cannot be read: %2").arg(name, file.refusal));
    return {std::move(file.bytes), file.identity};
}

FileIdentity replace(const QString &name, QByteArrayView bytes)
{
    const OutsideFile::WriteResult written =
        OutsideFile::replace(name, bytes, OutsideFile::characterSave);
    if (written.ok())
        return written.identity;
    const QString why =
        written.error ? IoError::message(written.error, Use::Create, name) : written.refusal;
    throw QuillError(
        FilesTr::tr("Unable to save \"%1\": %2. The character was not saved.").arg(name, why));
}

} // namespace FileAccess
