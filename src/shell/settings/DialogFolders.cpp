#include "shell/settings/DialogFolders.h"

#include "print/SheetPrintout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString usableCallerFolder(const QByteArray &caller)
{
    const QString folder = QFile::decodeName(caller);
    const bool readable = QFile::encodeName(folder) == caller;
    return readable && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

} // namespace

DialogFolders::DialogFolders(const QByteArray &callerFolder)
    : m_first(callerFolder.isEmpty() ? QString() : usableCallerFolder(callerFolder))
{
}

DialogFolders DialogFolders::fromEnvironment()
{
    return DialogFolders(qgetenv("QUILLMARK_CALLER_FOLDER"));
}

QString DialogFolders::characterDialog() const
{
    if (!m_first.isEmpty())
        return m_first;
    // A current folder that was removed has no path.
    const QString current = QDir::currentPath();
    return current.isEmpty() ? QDir::homePath() : current;
}

QString DialogFolders::saveDialog(const QString &offered) const
{
    return QFileInfo(offered).isAbsolute() ? QFileInfo(offered).absolutePath() : characterDialog();
}

QString DialogFolders::reportDialog() const
{
    return m_report.isEmpty() ? characterDialog() : m_report;
}

QString DialogFolders::layoutFolder()
{
    return SheetPrintout::currentFolder();
}

void DialogFolders::startWith(const QString &file)
{
    m_first = QFileInfo(file).absolutePath();
}

void DialogFolders::characterChosen(const QString &file)
{
    QDir::setCurrent(QFileInfo(file).absolutePath());
    m_first.clear();
}

void DialogFolders::reportChosen(const QString &file)
{
    m_report = QFileInfo(file).absolutePath();
}
