// The handlers of the resource pages and of the two attunement lists on the character sheet:
// each reads its kind's controls at the moment of the click and hands them to the kind's rule.
#include "shell/cMain.h"

#include "resources/ResourceKinds.h"
#include "resources/VesselsRoles.h"
#include "sheet/CharacterSheet.h"
#include "shell/widgets/TRadioGroup.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>

namespace {

Resources::Choice choiceOf(const TRadioGroup *group)
{
    return {group ? group->itemIndex() : -1};
}

// The list's selected row, -1 when nothing is selected.
int selectedRow(const QListView *list)
{
    const QModelIndexList rows = list->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace

Resources::Entry entryOf(const EntryWidgets &widgets)
{
    Resources::Entry entry{widgets.edit->text(), choiceOf(widgets.type), {}};
    for (const QLineEdit *number : widgets.numbers)
        entry.numbers.append(number->text());
    return entry;
}

void TMainForm::addFrom(SheetList list)
{
    Resources::resourceKind(list).addRule(sheet(), entryOf(m_resources[list]), prompter());
}

// After a delete the list has no selection until the user picks again; the view would otherwise
// move the selection to a neighbour, and a second right press would delete that one unasked for.
void TMainForm::deleteFrom(SheetList list, Qt::MouseButton button)
{
    QListView *view = m_resources[list].list;
    const int before = sheet().itemCount(list);
    Resources::resourceKind(list).deleteRule(sheet(), list, {button, selectedRow(view)},
                                             prompter());
    if (sheet().itemCount(list) != before)
        view->selectionModel()->clear();
}

void TMainForm::VesselUpDownClick()
{
    const QString level = m_resources[SheetList::Vessels].numbers.at(0)->text();
    sheet().setBodyHits(Resources::vesselBodyHits(sheet(), level));
}

void TMainForm::SongAddBitBtnClick()
{
    addFrom(SheetList::Songs);
}
void TMainForm::SkillAddBitBtnClick()
{
    addFrom(SheetList::Skills);
}
void TMainForm::VesselAddBitBtnClick()
{
    addFrom(SheetList::Vessels);
}
void TMainForm::RolesAddBitBtnClick()
{
    addFrom(SheetList::Roles);
}
void TMainForm::ServantAddBitBtnClick()
{
    addFrom(SheetList::Servants);
}
void TMainForm::ArtifactAddBitBtnClick()
{
    addFrom(SheetList::Artifacts);
}
void TMainForm::DiscordAddBitBtnClick()
{
    addFrom(SheetList::Discords);
}
void TMainForm::DistinctionsBitBtnClick()
{
    addFrom(SheetList::Distinctions);
}
void TMainForm::ExtraChoir_BandAttunmentSpeedButtonClick()
{
    addFrom(SheetList::ChoirBandAttunements);
}
void TMainForm::ExtraSuperiorAttunmentSpeedButtonClick()
{
    addFrom(SheetList::SuperiorAttunements);
}

void TMainForm::SongsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::Songs, button);
}
void TMainForm::SkillsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::Skills, button);
}
void TMainForm::VesselsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::Vessels, button);
}
void TMainForm::RolesListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::Roles, button);
}
void TMainForm::ServantsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::Servants, button);
}
void TMainForm::ArtifactsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::Artifacts, button);
}
void TMainForm::DiscordsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::Discords, button);
}
void TMainForm::DistinctionsListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::Distinctions, button);
}
void TMainForm::ExtraChoir_BandAttunmentListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::ChoirBandAttunements, button);
}
void TMainForm::ExtraSuperiorAttunmentListBoxMouseDown(Qt::MouseButton button)
{
    deleteFrom(SheetList::SuperiorAttunements, button);
}
