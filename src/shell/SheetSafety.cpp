#include "shell/SheetSafety.h"

#include "common/Prompter.h"
#include "files/CharacterDocument.h"
#include "files/recovery/Recovery.h"
#include "files/recovery/RecoveryCopy.h"
#include "files/recovery/RecoveryFolder.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Once after a burst of changes: telling whether the sheet changed takes a hash of all of it,
// about a second for the largest character.
constexpr int markAfter = 500;
// A write that took T keeps the next one at least this many times T away, so that the copy takes
// no more than a twentieth of the time however large the character.
constexpr qint64 pauseFactor = 20;

} // namespace

SheetSafety::SheetSafety(QWidget *window, CharacterSheet &sheet, CharacterDocument &document,
                         Prompter &prompter)
    : QObject(window), m_window(window), m_sheet(sheet), m_document(document), m_prompter(prompter),
      m_folder(RecoveryFolder::path()), m_copy(std::make_unique<RecoveryCopy>(m_folder))
{
    m_mark.setSingleShot(true);
    m_mark.setInterval(markAfter);
    connect(&m_mark, &QTimer::timeout, this, &SheetSafety::showMark);
    m_copyTimer.setSingleShot(true);
    connect(&m_copyTimer, &QTimer::timeout, this, &SheetSafety::writeCopy);
    connect(&document, &CharacterDocument::sheetEdited, this, &SheetSafety::edited);
    connect(&document, &CharacterDocument::fileChanged, this, &SheetSafety::fileChanged);
    showTitle();
}

SheetSafety::~SheetSafety() = default;

void SheetSafety::edited()
{
    if (!m_mark.isActive())
        m_mark.start();
    scheduleCopy();
}

void SheetSafety::scheduleCopy()
{
    if (m_copyTimer.isActive())
        return;
    const qint64 paused = m_sinceWrite.isValid() ? m_pause - m_sinceWrite.elapsed() : 0;
    m_copyTimer.start(int(qMin<qint64>(qMax<qint64>(m_interval, paused), INT_MAX)));
}

void SheetSafety::fileChanged()
{
    showTitle();
    if (showMark()) {
        scheduleCopy();
        return;
    }
    removeCopy();
    // The restored character is saved or given up: the next copy may be offered.
    if (m_restored) {
        m_restored = false;
        Q_EMIT restoredSettled();
    }
}

bool SheetSafety::showMark()
{
    m_mark.stop();
    const bool changed = m_document.isChanged();
    m_window->setWindowModified(changed);
    return changed;
}

// The file's name in the title; a "[*]" in it is doubled, or Qt would take it for the mark.
void SheetSafety::showTitle()
{
    const QString file = m_document.fileName();
    QString name = QFileInfo(file).fileName();
    name.replace(u"[*]"_s, u"[*][*]"_s);
    m_window->setWindowTitle(file.isEmpty() ? tr("Quillmark[*]")
                                            : tr("%1[*] - Quillmark").arg(name));
    m_window->setWindowFilePath(file);
}

void SheetSafety::writeCopy()
{
    m_copyTimer.stop();
    QElapsedTimer took;
    took.start();
    if (!m_document.isChanged())
        return removeCopy();
    const QString why = Recovery::write(m_document, *m_copy);
    m_pause = pauseFactor * took.elapsed();
    m_sinceWrite.start();
    if (!why.isEmpty() && why != m_failure)
        m_prompter.announce(tr("No recovery copy of the character could be written into %1: %2")
                                .arg(m_folder, why));
    m_failure = why;
}

void SheetSafety::removeCopy()
{
    m_copyTimer.stop();
    if (m_copy->isWritten())
        m_copy->remove();
}

void SheetSafety::keepNow()
{
    writeCopy();
}

void SheetSafety::letGo()
{
    removeCopy();
}

void SheetSafety::offerCopies()
{
    if (m_offering)
        return;
    m_offering = true;
    const auto done = qScopeGuard([this] { m_offering = false; });
    m_restored = Recovery::offer(m_folder, m_sheet, m_document, m_copy, m_prompter, m_offered);
}
