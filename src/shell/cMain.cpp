#include "shell/cMain.h"

#include "sheet/CharacterSheet.h"
#include "sheet/QuillError.h"
#include "shell/Configuration.h"
#include "shell/MainLayout.h"
#include "shell/MouseDownFilter.h"
#include "shell/QuillPrompter.h"
#include "shell/SheetBinding.h"
#include "shell/TRadioGroup.h"
#include "shell/TUpDown.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTabWidget>

using namespace Qt::StringLiterals;

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent), m_sheet(new CharacterSheet(this)),
      m_prompter(std::make_unique<QuillPrompter>(this))
{
    buildMainWindow(this);
    bindSheet(this, *m_sheet);
    connectHandlers();
}

TMainForm::~TMainForm() = default;

Prompter &TMainForm::prompter() const
{
    return *m_prompter;
}

void TMainForm::missingControl(const QString &name) const
{
    throw QuillError(u"The main window has no control named %1"_s.arg(name));
}

bool TMainForm::checkBoxByName(const QString &caption) const
{
    const auto *box = findChild<QCheckBox *>(caption + u"CheckBox"_s);
    return box && box->isChecked();
}

bool TMainForm::guarded(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const QuillError &error) {
        m_prompter->showError(error.message());
    } catch (const std::exception &error) {
        m_prompter->showError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    guarded([this] { FormShow(); });
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (guarded([this] { FormClose(); }))
        event->accept();
    else
        event->ignore();
}

void TMainForm::connectClick(const QString &name, void (TMainForm::*handler)())
{
    connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this,
            [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}

void TMainForm::connectMouseDown(const QString &list, void (TMainForm::*handler)(Qt::MouseButton))
{
    QWidget *viewport = control<QAbstractItemView>(list)->viewport();
    viewport->installEventFilter(new MouseDownFilter(
        [this, handler](Qt::MouseButton button) {
            guarded([this, handler, button] { (this->*handler)(button); });
        },
        viewport));
}

void TMainForm::connectHandlers()
{
    const auto action = [this](const QString &name, void (TMainForm::*handler)()) {
        connect(control<QAction>(name), &QAction::triggered, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    action(u"New1"_s, &TMainForm::New1Click);
    action(u"Open1"_s, &TMainForm::Open1Click);
    action(u"Save1"_s, &TMainForm::Save1Click);
    action(u"Print1"_s, &TMainForm::Print1Click);
    action(u"Exit1"_s, &TMainForm::Exit1Click);
    action(u"HelpTopics1"_s, &TMainForm::HelpTopics1Click);
    action(u"About1"_s, &TMainForm::About1Click);

    connect(control<TRadioGroup>(u"CharTypeGroup"_s), &TRadioGroup::clicked, this,
            [this] { guarded([this] { CharTypeGroupClick(); }); });

    connectClick(u"CorpUpSpeedButton"_s, &TMainForm::CorpUpSpeedButtonClick);
    connectClick(u"CorpDownSpeedButton"_s, &TMainForm::CorpDownSpeedButtonClick);
    connectClick(u"EtherUpSpeedButton"_s, &TMainForm::EtherUpSpeedButtonClick);
    connectClick(u"EtherDownSpeedButton"_s, &TMainForm::EtherDownSpeedButtonClick);
    connectClick(u"CelestialUpSpeedButton"_s, &TMainForm::CelestialUpSpeedButtonClick);
    connectClick(u"CelestialDownSpeedButton"_s, &TMainForm::CelestialDownSpeedButtonClick);
    connectClick(u"CorpForcesUpSpeedButton"_s, &TMainForm::CorpForcesUpSpeedButtonClick);
    connectClick(u"CorpForcesDownSpeedButton"_s, &TMainForm::CorpForcesDownSpeedButtonClick);
    connectClick(u"EtherForcesUpSpeedButton"_s, &TMainForm::EtherForcesUpSpeedButtonClick);
    connectClick(u"EtherForcesDownSpeedButton"_s, &TMainForm::EtherForcesDownSpeedButtonClick);
    connectClick(u"CelestialForcesUpSpeedButton"_s, &TMainForm::CelestialForcesUpSpeedButtonClick);
    connectClick(u"CelestialForcesDownSpeedButton"_s,
                 &TMainForm::CelestialForcesDownSpeedButtonClick);
    connectClick(u"BonusBitBtn"_s, &TMainForm::BonusBitBtnClick);
    connectClick(u"ForcesBonusBitBtn"_s, &TMainForm::ForcesBonusBitBtnClick);

    connectClick(u"SongAddBitBtn"_s, &TMainForm::SongAddBitBtnClick);
    connectClick(u"SkillAddBitBtn"_s, &TMainForm::SkillAddBitBtnClick);
    connectClick(u"VesselAddBitBtn"_s, &TMainForm::VesselAddBitBtnClick);
    connectClick(u"RolesAddBitBtn"_s, &TMainForm::RolesAddBitBtnClick);
    connectClick(u"ServantAddBitBtn"_s, &TMainForm::ServantAddBitBtnClick);
    connectClick(u"ArtifactAddBitBtn"_s, &TMainForm::ArtifactAddBitBtnClick);
    connectClick(u"DiscordAddBitBtn"_s, &TMainForm::DiscordAddBitBtnClick);
    connectClick(u"DistinctionsBitBtn"_s, &TMainForm::DistinctionsBitBtnClick);
    connectClick(u"ExtraChoir_BandAttunmentSpeedButton"_s,
                 &TMainForm::ExtraChoir_BandAttunmentSpeedButtonClick);
    connectClick(u"ExtraSuperiorAttunmentSpeedButton"_s,
                 &TMainForm::ExtraSuperiorAttunmentSpeedButtonClick);
    connect(control<TUpDown>(u"VesselUpDown"_s), &TUpDown::positionMoved, this,
            [this] { guarded([this] { VesselUpDownClick(); }); });

    connectMouseDown(u"SongsListBox"_s, &TMainForm::SongsListBoxMouseDown);
    connectMouseDown(u"SkillsListBox"_s, &TMainForm::SkillsListBoxMouseDown);
    connectMouseDown(u"VesselsListBox"_s, &TMainForm::VesselsListBoxMouseDown);
    connectMouseDown(u"RolesListBox"_s, &TMainForm::RolesListBoxMouseDown);
    connectMouseDown(u"ServantsListBox"_s, &TMainForm::ServantsListBoxMouseDown);
    connectMouseDown(u"ArtifactsListBox"_s, &TMainForm::ArtifactsListBoxMouseDown);
    connectMouseDown(u"DiscordsListBox"_s, &TMainForm::DiscordsListBoxMouseDown);
    connectMouseDown(u"DistinctionsListBox"_s, &TMainForm::DistinctionsListBoxMouseDown);
    connectMouseDown(u"ExtraChoir_BandAttunmentListBox"_s,
                     &TMainForm::ExtraChoir_BandAttunmentListBoxMouseDown);
    connectMouseDown(u"ExtraSuperiorAttunmentListBox"_s,
                     &TMainForm::ExtraSuperiorAttunmentListBoxMouseDown);

    // The user's choice of another tab; a change made by the program raises nothing.
    connect(control<QTabWidget>(u"ResourcesPageControl"_s)->tabBar(), &QTabBar::tabBarClicked, this,
            [this](int index) {
                auto *pages = control<QTabWidget>(u"ResourcesPageControl"_s);
                if (index < 0 || index == pages->currentIndex())
                    return;
                pages->setCurrentIndex(index);
                guarded([this] { ResourcesPageControlChange(); });
            });

    const auto checkBox = [this](const QString &name, void (TMainForm::*handler)()) {
        connect(control<QCheckBox>(name), &QCheckBox::toggled, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    checkBox(u"SongsCheckBox"_s, &TMainForm::SongsCheckBoxClick);
    checkBox(u"SkillsCheckBox"_s, &TMainForm::SkillsCheckBoxClick);
    checkBox(u"VesselsCheckBox"_s, &TMainForm::VesselsCheckBoxClick);
    checkBox(u"RolesCheckBox"_s, &TMainForm::RolesCheckBoxClick);
    checkBox(u"ArtifactsCheckBox"_s, &TMainForm::ArtifactsCheckBoxClick);
    checkBox(u"ServantsCheckBox"_s, &TMainForm::ServantsCheckBoxClick);
    checkBox(u"DiscordCheckBox"_s, &TMainForm::DiscordCheckBoxClick);
    checkBox(u"DistinctionsCheckBox"_s, &TMainForm::DistinctionsCheckBoxClick);
}

void TMainForm::FormShow()
{
    auto *main = control<QTabWidget>(u"MainPageControl"_s);
    main->setCurrentWidget(control<QWidget>(u"CharSheet"_s));
    auto *resources = control<QTabWidget>(u"ResourcesPageControl"_s);
    resources->setCurrentWidget(control<QWidget>(u"SongsTabSheet"_s));
    loadConfiguration(this);
}

void TMainForm::FormClose()
{
    storeConfiguration(this);
}

void TMainForm::Exit1Click()
{
    // Leaves without the close path, so the settings are not stored.
    QCoreApplication::processEvents();
    QCoreApplication::exit(0);
}
