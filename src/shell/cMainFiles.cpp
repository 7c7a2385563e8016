#include "files/FileCommands.h"
#include "shell/QuillPrompter.h"
#include "shell/cMain.h"

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

void TMainForm::Save1Click()
{
    FileCommands::saveCharacter(sheet(), prompter());
}
