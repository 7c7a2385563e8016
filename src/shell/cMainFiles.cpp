#include "files/FileCommands.h"
#include "shell/QuillPrompter.h"
#include "shell/cMain.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

void TMainForm::New1Click()
{
    FileCommands::newCharacter(sheet(), prompter());
}

void TMainForm::Open1Click()
{
    FileCommands::openCharacter(sheet(), allowedTypes(), prompter());
}

void TMainForm::openCharacterFile(const QString &name)
{
    m_prompter->offerFile(name);
    guarded([this, &name] { FileCommands::load(sheet(), name, allowedTypes(), prompter()); });
}

void TMainForm::openDroppedFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    // As a file chosen in the Open window does, the dropped file makes its folder the current one.
    QDir::setCurrent(QFileInfo(paths.constFirst()).absolutePath());
    openCharacterFile(paths.constFirst());
    if (paths.size() > 1)
        prompter().inform(
            tr("Only the first of the %1 files dropped was opened; the others were not.")
                .arg(paths.size()));
}

void TMainForm::Save1Click()
{
    FileCommands::saveCharacter(sheet(), prompter());
}
