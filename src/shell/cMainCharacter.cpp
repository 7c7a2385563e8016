#include "sheet/Bonuses.h"
#include "sheet/CharacterTypes.h"
#include "sheet/Forces.h"
#include "sheet/SheetValues.h"
#include "shell/cMain.h"
#include "shell/widgets/TRadioGroup.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;
using Forces::Realm;

void TMainForm::CharTypeGroupClick()
{
    const int index = control<TRadioGroup>(u"CharTypeGroup"_s)->itemIndex();
    CharacterTypes::select(sheet(), index, allowedTypes(), prompter());
}

void TMainForm::CorpUpSpeedButtonClick()
{
    Forces::moveCharacteristicUp(sheet(), Realm::Corporeal, prompter());
}
void TMainForm::CorpDownSpeedButtonClick()
{
    Forces::moveCharacteristicDown(sheet(), Realm::Corporeal, prompter());
}
void TMainForm::EtherUpSpeedButtonClick()
{
    Forces::moveCharacteristicUp(sheet(), Realm::Ethereal, prompter());
}
void TMainForm::EtherDownSpeedButtonClick()
{
    Forces::moveCharacteristicDown(sheet(), Realm::Ethereal, prompter());
}
void TMainForm::CelestialUpSpeedButtonClick()
{
    Forces::moveCharacteristicUp(sheet(), Realm::Celestial, prompter());
}
void TMainForm::CelestialDownSpeedButtonClick()
{
    Forces::moveCharacteristicDown(sheet(), Realm::Celestial, prompter());
}

void TMainForm::CorpForcesUpSpeedButtonClick()
{
    Forces::raise(sheet(), Realm::Corporeal, prompter());
}
void TMainForm::CorpForcesDownSpeedButtonClick()
{
    Forces::lower(sheet(), Realm::Corporeal, prompter());
}
void TMainForm::EtherForcesUpSpeedButtonClick()
{
    Forces::raise(sheet(), Realm::Ethereal, prompter());
}
void TMainForm::EtherForcesDownSpeedButtonClick()
{
    Forces::lower(sheet(), Realm::Ethereal, prompter());
}
void TMainForm::CelestialForcesUpSpeedButtonClick()
{
    Forces::raise(sheet(), Realm::Celestial, prompter());
}
void TMainForm::CelestialForcesDownSpeedButtonClick()
{
    Forces::lower(sheet(), Realm::Celestial, prompter());
}

void TMainForm::BonusBitBtnClick()
{
    Bonuses::applyPointBonus(sheet(), control<QLineEdit>(u"BonusEdit"_s)->text());
}

void TMainForm::ForcesBonusBitBtnClick()
{
    Bonuses::applyForcesBonus(sheet(), prompter());
}

CharacterTypes::AllowedTypes TMainForm::allowedTypes() const
{
    CharacterTypes::AllowedTypes allowed{};
    for (std::size_t i = 0; i < allowed.size(); ++i)
        allowed[i] = checkBoxByName(SheetNames::characterTypeNames().at(int(i)));
    return allowed;
}
