#include "common/Translations.h"
#include "files/CharacterDocument.h"
#include "files/FileCommands.h"
#include "shell/QuillPrompter.h"
#include "shell/cMain.h"

using namespace Qt::StringLiterals;

void TMainForm::New1Click()
{
    FileCommands::newCharacter(sheet(), *m_document, prompter());
}

void TMainForm::Open1Click()
{
    FileCommands::openCharacter(sheet(), *m_document, prompter());
}

void TMainForm::openCharacterFile(const QString &name)
{
    m_prompter->offerFile(name);
    guarded([this, &name] { FileCommands::load(sheet(), *m_document, name, prompter()); });
}

void TMainForm::openDroppedFiles(const QStringList &paths)
{
    if (paths.isEmpty() || !mayReplaceCharacter())
        return;
    // As a file chosen in the Open window does, the dropped file makes its folder the current one.
    m_prompter->fileDropped(paths.constFirst());
    const bool opened = guarded([this, &paths] {
        FileCommands::load(sheet(), *m_document, paths.constFirst(), prompter());
    });
    if (opened && paths.size() > 1)
        prompter().inform(
            tr("Only the first of the %1 files dropped was opened; the others were not.")
                .arg(Translations::number(paths.size())));
}

void TMainForm::Save1Click()
{
    FileCommands::saveCharacter(*m_document, prompter());
}
