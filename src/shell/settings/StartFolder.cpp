#include "shell/settings/StartFolder.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

using namespace Qt::StringLiterals;

namespace StartFolder {
namespace {

struct Folder
{
    QString path;
    bool gone = false;
};

std::optional<Folder> &remembered()
{
    static std::optional<Folder> folder;
    return folder;
}

// A current folder that has been removed has no path; Linux still names it ("/home/ann/old
// (deleted)"), which is kept for messages only: a folder of that very name is another folder.
Folder currentFolder()
{
    const QString folder = QDir::currentPath();
    if (!folder.isEmpty())
        return {folder, false};
    return {QFileInfo(u"/proc/self/cwd"_s).symLinkTarget(), true};
}

} // namespace

void remember()
{
    remembered() = currentFolder();
}

QString path()
{
    return remembered().value_or(currentFolder()).path;
}

bool gone()
{
    return remembered().value_or(currentFolder()).gone;
}

// Where the system does not name a removed folder its path is empty; the bare name then fails to
// be written, with its error, where the path formed from it would have been the root folder's.
QString settingsFile()
{
    const QString folder = path();
    return folder.isEmpty() ? u"quillmark.ini"_s : folder + u"/quillmark.ini"_s;
}

} // namespace StartFolder
