#pragma once

#include <QString>

// Whether two names stand for one file, also through "..", a link or a second name in the folder.
namespace SameFile {

// The name every name of the file shares: its canonical path, or the clean absolute path of a
// file that does not exist yet.
QString identity(const QString &name);

} // namespace SameFile
