// Placeholder so the program links until these handlers are written; replace this whole file.
#include "shell/Configuration.h"
#include "shell/MainLayout.h"
#include "shell/cMain.h"

void loadConfiguration(TMainForm *) {}
void storeConfiguration(TMainForm *) {}
void TMainForm::ResourcesPageControlChange() {}
void TMainForm::SongsCheckBoxClick() {}
void TMainForm::SkillsCheckBoxClick() {}
void TMainForm::VesselsCheckBoxClick() {}
void TMainForm::RolesCheckBoxClick() {}
void TMainForm::ArtifactsCheckBoxClick() {}
void TMainForm::ServantsCheckBoxClick() {}
void TMainForm::DiscordCheckBoxClick() {}
void TMainForm::DistinctionsCheckBoxClick() {}
