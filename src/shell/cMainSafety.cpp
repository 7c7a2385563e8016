#include "files/CharacterDocument.h"
#include "shell/EndingSignals.h"
#include "shell/QuillPrompter.h"
#include "shell/SheetSafety.h"
#include "shell/cMain.h"

#include <QGuiApplication>
#include <QSessionManager>

void TMainForm::connectSafety()
{
    connect(
        m_safety, &SheetSafety::restoredSettled, this,
        [this] { guarded([this] { m_safety->offerCopies(); }); }, Qt::QueuedConnection);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TMainForm::commitData);
    // What the session's end decided holds only for the character it decided on.
    connect(m_document.get(), &CharacterDocument::sheetEdited, this,
            [this] { m_sessionEnd = SessionEnd::None; });
}

void TMainForm::afterFirstShow(const QString &error)
{
    if (!error.isEmpty())
        m_prompter->showError(error);
    guarded([this] { m_safety->offerCopies(); });
    if (!m_startFile.isEmpty() && mayReplaceCharacter())
        openCharacterFile(m_startFile);
}

void TMainForm::setRecoveryInterval(int milliseconds)
{
    m_safety->setCopyInterval(milliseconds);
}

void TMainForm::endBySignal(int signal)
{
    m_safety->keepNow();
    EndingSignals::endBy(signal);
}

void TMainForm::commitData(QSessionManager &manager)
{
    if (!m_document->isChanged())
        return;
    if (!manager.allowsInteraction()) {
        m_safety->keepNow();
        m_sessionEnd = SessionEnd::Kept;
        return;
    }
    // Cancel is said while the interaction is still granted, so the session manager hears it.
    if (!mayReplaceCharacter())
        return manager.cancel();
    manager.release();
    m_sessionEnd = SessionEnd::GivenUp;
}
