// Placeholder so the program links until these handlers are written; replace this whole file.
#include "shell/Configuration.h"
#include "shell/MainLayout.h"
#include "shell/cMain.h"

void TMainForm::New1Click() {}
void TMainForm::Open1Click() {}
void TMainForm::Save1Click() {}
