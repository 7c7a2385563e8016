#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A window test's own current folder: the settings file and every file the test writes stay in a
// fresh temporary folder, and the folder the test program started in comes back afterwards. The
// recovery copies go into a fresh state folder too (XDG_STATE_HOME), so that no test finds the
// copies of another.
class TemporaryCurrentFolder
{
public:
    // Makes a fresh temporary folder current; false when none could be made.
    bool enter();
    // Closes every top-level window still open, makes the start folder current again and
    // removes the temporary one.
    void leave();

    QString path() const { return m_dir->path(); }
    QString filePath(const QString &name) const { return m_dir->filePath(name); }
    // Where the program keeps its recovery copies meanwhile.
    QString recoveryFolder() const { return m_state->filePath(QStringLiteral("quillmark")); }

private:
    QString m_start;
    QByteArray m_stateHome;
    std::unique_ptr<QTemporaryDir> m_state;
    std::unique_ptr<QTemporaryDir> m_dir;
};
