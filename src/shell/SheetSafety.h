#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

class CharacterDocument;
class CharacterSheet;
class Prompter;
class QWidget;
class RecoveryCopy;

// Whether the character on the sheet is safe, shown and kept: the window's title names the file
// and marks a change, and while the sheet is changed a recovery copy of it lies in the recovery
// folder, written from the event loop. The rules of the copy are Recovery's; this decides when.
class SheetSafety : public QObject
{
    Q_OBJECT

public:
    SheetSafety(QWidget *window, CharacterSheet &sheet, CharacterDocument &document,
                Prompter &prompter);
    ~SheetSafety() override;

    // The longest wait between a change and the copy of it; tests shorten it.
    void setCopyInterval(int milliseconds) { m_interval = milliseconds; }

    // Offers the copies left by programs that ended before their characters were saved, one at a
    // time, until one is restored; the next one may be offered once that one is saved or given up.
    void offerCopies();
    // Writes the copy now when the sheet is changed: the program is about to end without asking.
    void keepNow();
    // The character is given up (closed or left unsaved on the player's word): its copy goes.
    void letGo();

Q_SIGNALS:
    // The restored character was saved or given up: offerCopies() may offer the next copy.
    void restoredSettled();

private:
    void edited();
    void scheduleCopy();
    void fileChanged();
    // Marks the title as the sheet is; true when it is changed.
    bool showMark();
    void showTitle();
    void writeCopy();
    void removeCopy();

    QWidget *m_window;
    CharacterSheet &m_sheet;
    CharacterDocument &m_document;
    Prompter &m_prompter;
    QString m_folder;
    QTimer m_mark;
    QTimer m_copyTimer;
    int m_interval = 5000;
    // No write starts sooner than twenty times the last one took after it ended.
    QElapsedTimer m_sinceWrite;
    qint64 m_pause = 0;
    QString m_failure; // the last failure said, so that it is said once
    std::unique_ptr<RecoveryCopy> m_copy;
    QStringList m_offered;
    bool m_restored = false;
    bool m_offering = false;
};
