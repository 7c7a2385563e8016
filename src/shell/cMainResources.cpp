// The handlers of the resource pages and of the two attunement lists on the character sheet:
// each reads its page's controls at the moment of the click and hands them to a rule.
#include "shell/cMain.h"

#include "resources/DeleteSequence.h"
#include "resources/DistinctionsAttunements.h"
#include "resources/ServantsArtifactsDiscord.h"
#include "resources/SongsSkills.h"
#include "resources/VesselsRoles.h"
#include "sheet/CharacterSheet.h"
#include "shell/TRadioGroup.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

QString textOf(const TMainForm *form, const QString &edit)
{
    return form->control<QLineEdit>(edit)->text();
}

Resources::Choice choiceOf(const TMainForm *form, const QString &group)
{
    const auto *radio = form->control<TRadioGroup>(group);
    const int index = radio->itemIndex();
    return {index, index >= 0 ? radio->itemText(index) : QString()};
}

// The list's selected row, -1 when nothing is selected.
int selectedRow(const TMainForm *form, const QString &list)
{
    const QModelIndexList rows =
        form->control<QAbstractItemView>(list)->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// After a delete the list has no selection until the user picks again; the view would otherwise
// move the selection to a neighbour, and a second right press would delete that one unasked for.
void deleteFrom(TMainForm *form, SheetList list, const QString &view, Qt::MouseButton button)
{
    const int before = form->sheet().itemCount(list);
    Resources::deleteResource(form->sheet(), list, {button, selectedRow(form, view)},
                              form->prompter());
    if (form->sheet().itemCount(list) != before)
        form->control<QAbstractItemView>(view)->selectionModel()->clear();
}

} // namespace

void TMainForm::SongAddBitBtnClick()
{
    Resources::addSong(sheet(),
                       {textOf(this, u"SongEdit"_s), choiceOf(this, u"SongTypeRadioGroup"_s),
                        textOf(this, u"SongLevelEdit"_s)},
                       prompter());
}

void TMainForm::SkillAddBitBtnClick()
{
    Resources::addSkill(sheet(), {textOf(this, u"SkillEdit"_s), textOf(this, u"SkillLevelEdit"_s)},
                        prompter());
}

void TMainForm::VesselUpDownClick()
{
    const QString hits = Resources::vesselBodyHits(sheet(), textOf(this, u"VesselLevelEdit"_s));
    control<QLineEdit>(u"BodyHitsEdit"_s)->setText(hits);
}

void TMainForm::VesselAddBitBtnClick()
{
    auto *bodyHits = control<QLineEdit>(u"BodyHitsEdit"_s);
    Resources::addVessel(sheet(),
                         {textOf(this, u"VesselEdit"_s), textOf(this, u"VesselLevelEdit"_s),
                          textOf(this, u"VesselCharismaEdit"_s)},
                         prompter(), [bodyHits](const QString &hits) { bodyHits->setText(hits); });
}

void TMainForm::RolesAddBitBtnClick()
{
    Resources::addRole(sheet(),
                       {textOf(this, u"RolesEdit"_s), textOf(this, u"RolesLevelEdit"_s),
                        textOf(this, u"RoleStatusEdit"_s)},
                       prompter());
}

void TMainForm::ServantAddBitBtnClick()
{
    Resources::addServant(sheet(),
                          {textOf(this, u"ServantEdit"_s), textOf(this, u"ServantLevelEdit"_s),
                           textOf(this, u"ServantClassEdit"_s)},
                          prompter());
}

void TMainForm::ArtifactAddBitBtnClick()
{
    Resources::addArtifact(
        sheet(),
        {textOf(this, u"ArtifactEdit"_s), choiceOf(this, u"ArtifactTypeRadioGroup"_s),
         textOf(this, u"ArtifactLevelEdit"_s), textOf(this, u"ArtifactModifierEdit"_s)},
        prompter());
}

void TMainForm::DiscordAddBitBtnClick()
{
    Resources::addDiscord(sheet(),
                          {textOf(this, u"DiscordEdit"_s),
                           choiceOf(this, u"DiscordTypeRadioGroup"_s),
                           textOf(this, u"DiscordLevelEdit"_s)},
                          prompter());
}

void TMainForm::DistinctionsBitBtnClick()
{
    Resources::addDistinction(sheet(), textOf(this, u"DistinctionsEdit"_s), prompter());
}

void TMainForm::ExtraChoir_BandAttunmentSpeedButtonClick()
{
    Resources::addChoirBandAttunement(sheet(), textOf(this, u"ExtraChoir_BandAttunmentEdit"_s),
                                      prompter());
}

void TMainForm::ExtraSuperiorAttunmentSpeedButtonClick()
{
    Resources::addSuperiorAttunement(sheet(), textOf(this, u"ExtraSuperiorAttunmentEdit"_s),
                                     prompter());
}

void TMainForm::SongsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::Songs, u"SongsListBox"_s, button);
}

void TMainForm::SkillsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::Skills, u"SkillsListBox"_s, button);
}

void TMainForm::VesselsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::Vessels, u"VesselsListBox"_s, button);
}

void TMainForm::RolesListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::Roles, u"RolesListBox"_s, button);
}

void TMainForm::ServantsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::Servants, u"ServantsListBox"_s, button);
}

void TMainForm::ArtifactsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::Artifacts, u"ArtifactsListBox"_s, button);
}

void TMainForm::DiscordsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::Discords, u"DiscordsListBox"_s, button);
}

void TMainForm::DistinctionsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::Distinctions, u"DistinctionsListBox"_s, button);
}

void TMainForm::ExtraChoir_BandAttunmentListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::ChoirBandAttunements, u"ExtraChoir_BandAttunmentListBox"_s, button);
}

void TMainForm::ExtraSuperiorAttunmentListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(this, SheetList::SuperiorAttunements, u"ExtraSuperiorAttunmentListBox"_s, button);
}
