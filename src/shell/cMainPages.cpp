// Which resource pages show their contents. A page's controls all stand on one frame; hiding that
// frame empties the page while its tab stays in the row and can still be selected. The tab widget
// shows only the current page, so an emptied page never shows another's controls.
#include "shell/cMain.h"

#include "resources/ResourceKinds.h"

#include <QTabWidget>

using namespace Qt::StringLiterals;

void TMainForm::followCheckBox(SheetList list)
{
    showPageContents(list, checkBoxByName(SheetNames::tabName(list)));
}

void TMainForm::showPageContents(SheetList list, bool shown)
{
    m_resources[list].contents->setVisible(shown);
    m_resources[list].switchedOff->setVisible(!shown);
}

void TMainForm::ResourcesPageControlChange()
{
    const auto *pages = control<QTabWidget>(u"ResourcesPageControl"_s);
    // The check box is named after the tab's English caption, whatever the tab shows.
    const SheetList list = Resources::resourcePageOrder().at(pages->currentIndex());
    showPageContents(list, checkBoxByName(SheetNames::tabName(list)));
}

void TMainForm::SongsCheckBoxClick()
{
    followCheckBox(SheetList::Songs);
}
void TMainForm::SkillsCheckBoxClick()
{
    followCheckBox(SheetList::Skills);
}
void TMainForm::VesselsCheckBoxClick()
{
    followCheckBox(SheetList::Vessels);
}
void TMainForm::RolesCheckBoxClick()
{
    followCheckBox(SheetList::Roles);
}
void TMainForm::ArtifactsCheckBoxClick()
{
    followCheckBox(SheetList::Artifacts);
}
void TMainForm::ServantsCheckBoxClick()
{
    followCheckBox(SheetList::Servants);
}
void TMainForm::DiscordCheckBoxClick()
{
    followCheckBox(SheetList::Discords);
}
void TMainForm::DistinctionsCheckBoxClick()
{
    followCheckBox(SheetList::Distinctions);
}
