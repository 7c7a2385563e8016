// Placeholder so the program links until these handlers are written; replace this whole file.
#include "shell/Configuration.h"
#include "shell/MainLayout.h"
#include "shell/cMain.h"

void TMainForm::SongAddBitBtnClick() {}
void TMainForm::SkillAddBitBtnClick() {}
void TMainForm::VesselUpDownClick() {}
void TMainForm::VesselAddBitBtnClick() {}
void TMainForm::RolesAddBitBtnClick() {}
void TMainForm::ServantAddBitBtnClick() {}
void TMainForm::ArtifactAddBitBtnClick() {}
void TMainForm::DiscordAddBitBtnClick() {}
void TMainForm::DistinctionsBitBtnClick() {}
void TMainForm::ExtraChoir_BandAttunmentSpeedButtonClick() {}
void TMainForm::ExtraSuperiorAttunmentSpeedButtonClick() {}
void TMainForm::SongsListBoxMouseDown(Qt::MouseButton) {}
void TMainForm::SkillsListBoxMouseDown(Qt::MouseButton) {}
void TMainForm::VesselsListBoxMouseDown(Qt::MouseButton) {}
void TMainForm::RolesListBoxMouseDown(Qt::MouseButton) {}
void TMainForm::ServantsListBoxMouseDown(Qt::MouseButton) {}
void TMainForm::ArtifactsListBoxMouseDown(Qt::MouseButton) {}
void TMainForm::DiscordsListBoxMouseDown(Qt::MouseButton) {}
void TMainForm::DistinctionsListBoxMouseDown(Qt::MouseButton) {}
void TMainForm::ExtraChoir_BandAttunmentListBoxMouseDown(Qt::MouseButton) {}
void TMainForm::ExtraSuperiorAttunmentListBoxMouseDown(Qt::MouseButton) {}
