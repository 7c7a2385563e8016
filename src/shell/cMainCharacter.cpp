// Placeholder so the program links until these handlers are written; replace this whole file.
#include "shell/Configuration.h"
#include "shell/MainLayout.h"
#include "shell/cMain.h"

void TMainForm::CharTypeGroupClick() {}
void TMainForm::CorpUpSpeedButtonClick() {}
void TMainForm::CorpDownSpeedButtonClick() {}
void TMainForm::EtherUpSpeedButtonClick() {}
void TMainForm::EtherDownSpeedButtonClick() {}
void TMainForm::CelestialUpSpeedButtonClick() {}
void TMainForm::CelestialDownSpeedButtonClick() {}
void TMainForm::CorpForcesUpSpeedButtonClick() {}
void TMainForm::CorpForcesDownSpeedButtonClick() {}
void TMainForm::EtherForcesUpSpeedButtonClick() {}
void TMainForm::EtherForcesDownSpeedButtonClick() {}
void TMainForm::CelestialForcesUpSpeedButtonClick() {}
void TMainForm::CelestialForcesDownSpeedButtonClick() {}
void TMainForm::BonusBitBtnClick() {}
void TMainForm::ForcesBonusBitBtnClick() {}
