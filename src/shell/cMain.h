#pragma once

// The main window. How a click travels:
// 1. MainWindowBuilder builds every control. The resource pages and the two attunement columns are
// built
//    from each kind's description (resources/ResourceKinds), which names the controls, holds the
//    prompts and ranges, and points at the kind's Add and Delete rules; the builders hand back a
//    typed struct of each kind's widgets (ResourceWidgets).
// 2. SheetBinding binds the controls to the CharacterSheet model both ways, so the model always
//    holds what the user sees and a rule's write shows at once.
// 3. connectHandlers routes each control's event to one handler slot below, named as the control
//    followed by its event, always through the general error handler (guarded).
// 4. A handler gathers its inputs from the typed widgets into a small value (a resource Entry, the
//    configuration's AllowedTypes) and calls a rule in sheet/ or resources/. The rule reads and
//    writes only the model and asks the user anything only through the Prompter.
// An error raised by a rule ends the handler with an error box and the event loop goes on. No game
// rule lives in this class.

#include "sheet/CharacterTypes.h"
#include "shell/builders/ResourceWidgets.h"
#include "shell/settings/SettingsFile.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class CharacterDocument;
class CharacterSheet;
class Prompter;
class QSessionManager;
class QuillPrompter;
class SheetSafety;
class QCheckBox;
class QLineEdit;

class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    CharacterSheet &sheet() const { return *m_sheet; }
    // The sheet's file and whether it changed since it was opened, saved or cleared.
    CharacterDocument &document() const { return *m_document; }
    Prompter &prompter() const;

    // The descendant with exactly this object name; raises an error when there is none, so a
    // renamed control fails loudly instead of being skipped.
    template <class T> T *control(const QString &name) const
    {
        T *found = findChild<T *>(name);
        if (!found)
            missingControl(name);
        return found;
    }

    // The state of the check box named caption + "CheckBox" (exact, case-sensitive); off when
    // there is none.
    bool checkBoxByName(const QString &caption) const;

    // The Configuration page's sixteen check boxes as a value, and back.
    Configuration configuration() const;
    void showConfiguration(const Configuration &configuration);

    // Opens a character file named outside the window (on the command line) as File > Open does
    // once its dialog has returned the name, except that the current folder stays as it is.
    void openCharacterFile(const QString &name);
    // The same, from the event loop once the window has first been shown and has offered the
    // recovery copies it found.
    void openWhenShown(const QString &name) { m_startFile = name; }
    // Files dropped on the window: the first opens as File > Open opens a file chosen in its
    // window, the current folder moving with it, after the question that guards a changed
    // character; the others are not opened, and a message says so.
    void openDroppedFiles(const QStringList &paths);

    // The longest wait between a change and its recovery copy (5 s); tests shorten it.
    void setRecoveryInterval(int milliseconds);
    // SIGTERM, SIGHUP or SIGINT arrived: the copy is written when the sheet changed, the settings
    // are not stored (as with Exit) and the program ends as the signal asks.
    [[noreturn]] void endBySignal(int signal);
    // The desktop session is ending: a changed character is asked about when the session allows
    // it (Cancel cancels the end), and otherwise kept in its recovery copy.
    void commitData(QSessionManager &manager);

public Q_SLOTS:
    void FormShow();
    void FormClose();
    void New1Click();
    void Open1Click();
    void Save1Click();
    void Print1Click();
    void Exit1Click();
    void HelpTopics1Click();
    void About1Click();

    void CharTypeGroupClick();
    void CorpUpSpeedButtonClick();
    void CorpDownSpeedButtonClick();
    void EtherUpSpeedButtonClick();
    void EtherDownSpeedButtonClick();
    void CelestialUpSpeedButtonClick();
    void CelestialDownSpeedButtonClick();
    void CorpForcesUpSpeedButtonClick();
    void CorpForcesDownSpeedButtonClick();
    void EtherForcesUpSpeedButtonClick();
    void EtherForcesDownSpeedButtonClick();
    void CelestialForcesUpSpeedButtonClick();
    void CelestialForcesDownSpeedButtonClick();
    void BonusBitBtnClick();
    void ForcesBonusBitBtnClick();

    void SongAddBitBtnClick();
    void SkillAddBitBtnClick();
    void VesselUpDownClick();
    void VesselAddBitBtnClick();
    void RolesAddBitBtnClick();
    void ServantAddBitBtnClick();
    void ArtifactAddBitBtnClick();
    void DiscordAddBitBtnClick();
    void DistinctionsBitBtnClick();
    void ExtraChoir_BandAttunmentSpeedButtonClick();
    void ExtraSuperiorAttunmentSpeedButtonClick();

    void SongsListBoxMouseDown(Qt::MouseButton button);
    void SkillsListBoxMouseDown(Qt::MouseButton button);
    void VesselsListBoxMouseDown(Qt::MouseButton button);
    void RolesListBoxMouseDown(Qt::MouseButton button);
    void ServantsListBoxMouseDown(Qt::MouseButton button);
    void ArtifactsListBoxMouseDown(Qt::MouseButton button);
    void DiscordsListBoxMouseDown(Qt::MouseButton button);
    void DistinctionsListBoxMouseDown(Qt::MouseButton button);
    void ExtraChoir_BandAttunmentListBoxMouseDown(Qt::MouseButton button);
    void ExtraSuperiorAttunmentListBoxMouseDown(Qt::MouseButton button);

    void ResourcesPageControlChange();
    void SongsCheckBoxClick();
    void SkillsCheckBoxClick();
    void VesselsCheckBoxClick();
    void RolesCheckBoxClick();
    void ArtifactsCheckBoxClick();
    void ServantsCheckBoxClick();
    void DiscordCheckBoxClick();
    void DistinctionsCheckBoxClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    [[noreturn]] void missingControl(const QString &name) const;
    // Runs one handler under the general error handler; false when it raised an error.
    bool guarded(const std::function<void()> &handler);
    // Runs the handler under the general error handler each time the sender raises the signal.
    template <class Sender, class Signal>
    void route(Sender *sender, Signal signal, void (TMainForm::*handler)());
    void routeMouseDown(SheetList list, void (TMainForm::*handler)(Qt::MouseButton));
    void connectHandlers();
    void connectMenu();
    void connectCharacterButtons();
    void connectResourceKinds();
    void connectPageChange();
    void connectConveniences();
    void connectSafety();

    // A resource kind's Add and Delete, with the kind's own controls.
    void addFrom(SheetList list);
    void deleteFrom(SheetList list, Qt::MouseButton button);
    // Shows or empties a resource page as its configuration check box says.
    void followCheckBox(SheetList list);
    void showPageContents(SheetList list, bool shown);
    // Asks before a changed character is closed or replaced; true when the caller may go on.
    bool mayReplaceCharacter();
    // What the first showing leaves to the event loop: its error, the recovery copies' offer
    // and the file named at the start.
    void afterFirstShow(const QString &error);
    // The settings file, read at the first showing and stored at close.
    void loadSettings();
    void storeSettings();
    // The configuration's offer of the eight character types now.
    CharacterTypes::AllowedTypes allowedTypes() const;

    CharacterSheet *m_sheet;
    std::unique_ptr<CharacterDocument> m_document;
    std::unique_ptr<QuillPrompter> m_prompter;
    SheetSafety *m_safety;
    ResourceWidgets m_resources;
    SettingsFile m_settings;
    QString m_startFile;
    bool m_shown = false;
    // How the session's end left the character, until it is edited again: nothing, given up on
    // the player's word, or kept in its copy without a question.
    enum class SessionEnd
    {
        None,
        GivenUp,
        Kept
    } m_sessionEnd = SessionEnd::None;
};
