#pragma once

#include <QByteArray>
#include <QString>

// Where the recovery copies lie: "quillmark" in the user's state folder, $XDG_STATE_HOME when it
// is an absolute path, $HOME/.local/state otherwise (as the XDG base directory rules say).
namespace RecoveryFolder {

// The folder for these values of XDG_STATE_HOME and HOME, as the environment holds them; empty
// when neither gives an absolute path.
QString pathFor(const QByteArray &stateHome, const QByteArray &home);
// The folder by the environment.
QString path();

// Makes the folder when it is missing, readable by its owner alone (mode 0700), with any missing
// folders above it. Returns the errno of the failure, 0 when the folder is there.
int make(const QString &folder);

} // namespace RecoveryFolder
