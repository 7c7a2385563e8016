#include "shell/cMain.h"

#include <QCheckBox>
#include <QFrame>
#include <QTabWidget>

using namespace Qt::StringLiterals;

// A resource page's controls all sit in one frame named after the page with "Bevel" appended.
// Hiding that frame empties the page while its tab stays in the row and can still be selected;
// the tab widget shows only the current page, so an emptied page never shows another's controls.
namespace {

void showPageContents(TMainForm *form, const QString &page, bool visible)
{
    form->control<QFrame>(page + u"Bevel"_s)->setVisible(visible);
}

void followCheckBox(TMainForm *form, const QString &checkBox, const QString &page)
{
    showPageContents(form, page, form->control<QCheckBox>(checkBox)->isChecked());
}

} // namespace

void TMainForm::ResourcesPageControlChange()
{
    const auto *pages = control<QTabWidget>(u"ResourcesPageControl"_s);
    const QString caption = pages->tabText(pages->currentIndex());
    showPageContents(this, pages->currentWidget()->objectName(), checkBoxByName(caption));
}

void TMainForm::SongsCheckBoxClick()
{
    followCheckBox(this, u"SongsCheckBox"_s, u"SongsTabSheet"_s);
}
void TMainForm::SkillsCheckBoxClick()
{
    followCheckBox(this, u"SkillsCheckBox"_s, u"SkillsTabSheet"_s);
}
void TMainForm::VesselsCheckBoxClick()
{
    followCheckBox(this, u"VesselsCheckBox"_s, u"VesselsTabSheet"_s);
}
void TMainForm::RolesCheckBoxClick()
{
    followCheckBox(this, u"RolesCheckBox"_s, u"RolesTabSheet"_s);
}
void TMainForm::ArtifactsCheckBoxClick()
{
    followCheckBox(this, u"ArtifactsCheckBox"_s, u"ArtifactsTabSheet"_s);
}
void TMainForm::ServantsCheckBoxClick()
{
    followCheckBox(this, u"ServantsCheckBox"_s, u"ServantsTabSheet"_s);
}
void TMainForm::DiscordCheckBoxClick()
{
    followCheckBox(this, u"DiscordCheckBox"_s, u"DiscordTabSheet"_s);
}
void TMainForm::DistinctionsCheckBoxClick()
{
    followCheckBox(this, u"DistinctionsCheckBox"_s, u"DistinctionsTabSheet"_s);
}
