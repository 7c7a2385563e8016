#include "files/FileCommands.h"
#include "shell/cMain.h"

void TMainForm::New1Click()
{
    FileCommands::newCharacter(sheet(), prompter());
}

void TMainForm::Open1Click()
{
    FileCommands::openCharacter(sheet(), allowedTypes(), prompter());
}

void TMainForm::Save1Click()
{
    FileCommands::saveCharacter(sheet(), prompter());
}
