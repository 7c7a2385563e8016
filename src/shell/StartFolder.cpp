#include "shell/StartFolder.h"

#include <QDir>
#include <optional>

using namespace Qt::StringLiterals;

namespace StartFolder {
namespace {

std::optional<QString> &remembered()
{
    static std::optional<QString> folder;
    return folder;
}

} // namespace

void remember()
{
    remembered() = QDir::currentPath();
}

QString path()
{
    return remembered().value_or(QDir::currentPath());
}

// Once a folder has been removed its path is empty; the bare name then fails to be written, with
// its error, where the path formed from it would have been the root folder's.
QString settingsFile()
{
    const QString folder = path();
    return folder.isEmpty() ? u"quillmark.ini"_s : folder + u"/quillmark.ini"_s;
}

} // namespace StartFolder
