#include "shell/settings/StartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

using namespace Qt::StringLiterals;

namespace StartFolder {
namespace {

std::optional<QString> &remembered()
{
    static std::optional<QString> folder;
    return folder;
}

// A current folder that has been removed has no path; Linux still names it ("/home/ann/old
// (deleted)"), and a file named in it can never be written into some other folder that a file
// dialog makes current later.
QString currentFolder()
{
    const QString folder = QDir::currentPath();
    if (!folder.isEmpty())
        return folder;
    return QFileInfo(u"/proc/self/cwd"_s).symLinkTarget();
}

} // namespace

void remember()
{
    remembered() = currentFolder();
}

QString path()
{
    return remembered().value_or(currentFolder());
}

// Where the system does not name a removed folder its path is empty; the bare name then fails to
// be written, with its error, where the path formed from it would have been the root folder's.
QString settingsFile()
{
    const QString folder = path();
    return folder.isEmpty() ? u"quillmark.ini"_s : folder + u"/quillmark.ini"_s;
}

} // namespace StartFolder
