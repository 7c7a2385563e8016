#include "shell/cMain.h"

#include "common/QuillError.h"
#include "files/CharacterDocument.h"
#include "files/FileCommands.h"
#include "resources/ResourceKinds.h"
#include "sheet/CharacterSheet.h"
#include "shell/QuillPrompter.h"
#include "shell/SheetBinding.h"
#include "shell/SheetSafety.h"
#include "shell/builders/MainWindowBuilder.h"
#include "shell/settings/StartFolder.h"
#include "shell/widgets/DeleteKeyFilter.h"
#include "shell/widgets/FileDrop.h"
#include "shell/widgets/KeyboardWalk.h"
#include "shell/widgets/MouseDownFilter.h"
#include "shell/widgets/PromptSelection.h"
#include "shell/widgets/ReadWhole.h"
#include "shell/widgets/TRadioGroup.h"
#include "shell/widgets/TUpDown.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <utility>

using namespace Qt::StringLiterals;

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent), m_sheet(new CharacterSheet(this)),
      m_document(std::make_unique<CharacterDocument>(*m_sheet)),
      m_prompter(std::make_unique<QuillPrompter>(this)),
      m_safety(new SheetSafety(this, *m_sheet, *m_document, *m_prompter))
{
    StartFolder::remember();
    buildMainWindow(this, m_resources);
    bindSheet(this, *m_sheet, m_resources);
    connectHandlers();
    connectSafety();
}

TMainForm::~TMainForm() = default;

Prompter &TMainForm::prompter() const
{
    return *m_prompter;
}

void TMainForm::missingControl(const QString &name) const
{
    throw QuillError(tr("The main window has no control named %1").arg(name));
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
    QString error;
    guarded([this, &error] {
        try {
            FormShow();
        } catch (const QuillError &raised) {
            error = raised.message();
        }
    });
    // Said from the event loop, once the window is on screen, so the boxes show over it.
    QTimer::singleShot(0, this, [this, error] { afterFirstShow(error); });
}

bool TMainForm::mayReplaceCharacter()
{
    bool mayGoOn = false;
    guarded([this, &mayGoOn] { mayGoOn = FileCommands::settleChanges(*m_document, prompter()); });
    return mayGoOn;
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    const bool asked = m_sessionEnd != SessionEnd::None;
    if ((asked || mayReplaceCharacter()) && guarded([this] { FormClose(); })) {
        event->accept();
        if (m_sessionEnd != SessionEnd::Kept)
            m_safety->letGo();
    } else {
        event->ignore();
    }
}

bool TMainForm::focusNextPrevChild(bool next)
{
    QWidget *from = focusWidget() ? focusWidget() : this;
    QWidget *stop = nextKeyboardStop(from, next);
    if (!stop)
        return false;
    stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

template <class Sender, class Signal>
void TMainForm::route(Sender *sender, Signal signal, void (TMainForm::*handler)())
{
    connect(sender, signal, this,
            [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}

void TMainForm::routeMouseDown(SheetList list, void (TMainForm::*handler)(Qt::MouseButton))
{
    QWidget *viewport = m_resources[list].list->viewport();
    const auto run = [this, handler](Qt::MouseButton button) {
        guarded([this, handler, button] { (this->*handler)(button); });
    };
    viewport->installEventFilter(new MouseDownFilter(run, viewport));
    QListView *view = m_resources[list].list;
    view->installEventFilter(new DeleteKeyFilter([run] { run(Qt::RightButton); }, view));
}

void TMainForm::connectHandlers()
{
    connectMenu();
    connectCharacterButtons();
    connectResourceKinds();
    connectPageChange();
    connectConveniences();
}

// What a desktop user expects of any window beyond the handlers: prompts that typing replaces,
// entries that can be read whole, and character files dropped on the window.
void TMainForm::connectConveniences()
{
    PromptSelection::watch(control<QLineEdit>(u"CharacterNameEdit"_s));
    for (SheetList list : SheetNames::allLists()) {
        PromptSelection::watch(m_resources[list].edit);
        ReadWhole::showItemTips(m_resources[list].list);
    }
    for (const QString &name : {u"Choir_BandComboBox"_s, u"SuperiorComboBox"_s}) {
        PromptSelection::watch(control<QComboBox>(name));
        ReadWhole::fitPopupToItems(control<QComboBox>(name));
    }
    FileDrop::install(this, [this](const QStringList &paths) { openDroppedFiles(paths); });
}

void TMainForm::connectMenu()
{
    const std::pair<QString, void (TMainForm::*)()> items[] = {
        {u"New1"_s, &TMainForm::New1Click},     {u"Open1"_s, &TMainForm::Open1Click},
        {u"Save1"_s, &TMainForm::Save1Click},   {u"Print1"_s, &TMainForm::Print1Click},
        {u"Exit1"_s, &TMainForm::Exit1Click},   {u"HelpTopics1"_s, &TMainForm::HelpTopics1Click},
        {u"About1"_s, &TMainForm::About1Click},
    };
    for (const auto &[name, handler] : items)
        route(control<QAction>(name), &QAction::triggered, handler);
}

void TMainForm::connectCharacterButtons()
{
    route(control<TRadioGroup>(u"CharTypeGroup"_s), &TRadioGroup::clicked,
          &TMainForm::CharTypeGroupClick);
    const std::pair<QString, void (TMainForm::*)()> buttons[] = {
        {u"CorpUpSpeedButton"_s, &TMainForm::CorpUpSpeedButtonClick},
        {u"CorpDownSpeedButton"_s, &TMainForm::CorpDownSpeedButtonClick},
        {u"EtherUpSpeedButton"_s, &TMainForm::EtherUpSpeedButtonClick},
        {u"EtherDownSpeedButton"_s, &TMainForm::EtherDownSpeedButtonClick},
        {u"CelestialUpSpeedButton"_s, &TMainForm::CelestialUpSpeedButtonClick},
        {u"CelestialDownSpeedButton"_s, &TMainForm::CelestialDownSpeedButtonClick},
        {u"CorpForcesUpSpeedButton"_s, &TMainForm::CorpForcesUpSpeedButtonClick},
        {u"CorpForcesDownSpeedButton"_s, &TMainForm::CorpForcesDownSpeedButtonClick},
        {u"EtherForcesUpSpeedButton"_s, &TMainForm::EtherForcesUpSpeedButtonClick},
        {u"EtherForcesDownSpeedButton"_s, &TMainForm::EtherForcesDownSpeedButtonClick},
        {u"CelestialForcesUpSpeedButton"_s, &TMainForm::CelestialForcesUpSpeedButtonClick},
        {u"CelestialForcesDownSpeedButton"_s, &TMainForm::CelestialForcesDownSpeedButtonClick},
        {u"BonusBitBtn"_s, &TMainForm::BonusBitBtnClick},
        {u"ForcesBonusBitBtn"_s, &TMainForm::ForcesBonusBitBtnClick},
    };
    for (const auto &[name, handler] : buttons)
        route(control<QAbstractButton>(name), &QAbstractButton::clicked, handler);
}

// Each kind's Add button, its list's right-button press and, for the kinds with a page, the
// configuration check box named after the page's tab.
void TMainForm::connectResourceKinds()
{
    struct KindHandlers
    {
        SheetList list;
        void (TMainForm::*add)();
        void (TMainForm::*mouseDown)(Qt::MouseButton);
        void (TMainForm::*checkBox)();
    };
    const KindHandlers kinds[] = {
        {SheetList::Songs, &TMainForm::SongAddBitBtnClick, &TMainForm::SongsListBoxMouseDown,
         &TMainForm::SongsCheckBoxClick},
        {SheetList::Skills, &TMainForm::SkillAddBitBtnClick, &TMainForm::SkillsListBoxMouseDown,
         &TMainForm::SkillsCheckBoxClick},
        {SheetList::Vessels, &TMainForm::VesselAddBitBtnClick, &TMainForm::VesselsListBoxMouseDown,
         &TMainForm::VesselsCheckBoxClick},
        {SheetList::Roles, &TMainForm::RolesAddBitBtnClick, &TMainForm::RolesListBoxMouseDown,
         &TMainForm::RolesCheckBoxClick},
        {SheetList::Servants, &TMainForm::ServantAddBitBtnClick,
         &TMainForm::ServantsListBoxMouseDown, &TMainForm::ServantsCheckBoxClick},
        {SheetList::Artifacts, &TMainForm::ArtifactAddBitBtnClick,
         &TMainForm::ArtifactsListBoxMouseDown, &TMainForm::ArtifactsCheckBoxClick},
        {SheetList::Discords, &TMainForm::DiscordAddBitBtnClick,
         &TMainForm::DiscordsListBoxMouseDown, &TMainForm::DiscordCheckBoxClick},
        {SheetList::Distinctions, &TMainForm::DistinctionsBitBtnClick,
         &TMainForm::DistinctionsListBoxMouseDown, &TMainForm::DistinctionsCheckBoxClick},
        {SheetList::ChoirBandAttunements, &TMainForm::ExtraChoir_BandAttunmentSpeedButtonClick,
         &TMainForm::ExtraChoir_BandAttunmentListBoxMouseDown, nullptr},
        {SheetList::SuperiorAttunements, &TMainForm::ExtraSuperiorAttunmentSpeedButtonClick,
         &TMainForm::ExtraSuperiorAttunmentListBoxMouseDown, nullptr},
    };
    for (const KindHandlers &k : kinds) {
        route(m_resources[k.list].add, &QAbstractButton::clicked, k.add);
        routeMouseDown(k.list, k.mouseDown);
        if (k.checkBox) {
            const QString tab = SheetNames::tabName(k.list);
            route(control<QCheckBox>(tab + u"CheckBox"_s), &QCheckBox::toggled, k.checkBox);
        }
    }
    route(m_resources[SheetList::Vessels].upDowns.at(0), &TUpDown::positionMoved,
          &TMainForm::VesselUpDownClick);
}

// The user's choice of another tab; a change made by the program raises nothing.
void TMainForm::connectPageChange()
{
    auto *pages = control<QTabWidget>(u"ResourcesPageControl"_s);
    connect(pages->tabBar(), &QTabBar::tabBarClicked, this, [this, pages](int index) {
        if (index < 0 || index == pages->currentIndex())
            return;
        pages->setCurrentIndex(index);
        guarded([this] { ResourcesPageControlChange(); });
    });
}

void TMainForm::FormShow()
{
    auto *main = control<QTabWidget>(u"MainPageControl"_s);
    main->setCurrentWidget(control<QWidget>(u"CharSheet"_s));
    auto *resources = control<QTabWidget>(u"ResourcesPageControl"_s);
    resources->setCurrentWidget(control<QWidget>(u"SongsTabSheet"_s));
    loadSettings();
}

void TMainForm::FormClose()
{
    storeSettings();
}

void TMainForm::Exit1Click()
{
    if (!mayReplaceCharacter())
        return;
    m_safety->letGo();
    // Leaves without the close path, so the settings are not stored.
    QCoreApplication::processEvents();
    QCoreApplication::exit(0);
}
