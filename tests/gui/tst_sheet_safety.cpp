// Whether the character is safe, as the real window shows and keeps it: the title names the file
// and marks a change, the status bar says what was written, a recovery copy lies in the state
// folder while the sheet is changed and goes when the character is saved or given up, the copy of
// a window that ended is offered to the next one, and the session's end keeps a changed
// character.
#include "files/CharacterDocument.h"
#include "files/FileCommands.h"
#include "files/SheetSamples.h"
#include "gui/FileDialogAnswers.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

class TestSheetSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void titleNamesTheFileAndMarksAChange_data();
    void titleNamesTheFileAndMarksAChange();
    void saveSaysWhatItWrote();
    void copyLiesThereWhileTheSheetIsChanged_data();
    void copyLiesThereWhileTheSheetIsChanged();
    void copyOfAnEndedWindowIsOffered();
    void copyThatCannotBeWrittenIsSaidOnce();
    void sessionEndKeepsAChangedCharacter();

private:
    TMainForm &newForm();
    void trigger(const QString &action) { m_form->control<QAction>(action)->trigger(); }
    QString path(const QString &name) const { return m_folder.filePath(name); }
    QStringList copies() const
    {
        return QDir(m_folder.recoveryFolder()).entryList({u"*.qmc"_s}, QDir::Files);
    }
    QString shownTitle() const { return m_form->windowHandle()->title(); }

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestSheetSafety::init()
{
    QVERIFY(m_folder.enter());
    newForm();
}

void TestSheetSafety::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

TMainForm &TestSheetSafety::newForm()
{
    m_form = std::make_unique<TMainForm>();
    m_form->setRecoveryInterval(20);
    m_form->show();
    return *m_form;
}

void TestSheetSafety::titleNamesTheFileAndMarksAChange_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("unchanged");
    QTest::addColumn<QString>("changed");
    QTest::newRow("no file") << QString() << u"Quillmark"_s << u"Quillmark*"_s;
    QTest::newRow("opened") << u"hero.qmc"_s << u"hero.qmc - Quillmark"_s
                            << u"hero.qmc* - Quillmark"_s;
    // Qt takes "[*]" for the mark's place; in a name it is shown as it is.
    QTest::newRow("a name holding the mark's sign")
        << u"a[*]b.qmc"_s << u"a[*]b.qmc - Quillmark"_s << u"a[*]b.qmc* - Quillmark"_s;
}

void TestSheetSafety::titleNamesTheFileAndMarksAChange()
{
    QFETCH(QString, file);
    QFETCH(QString, unchanged);
    QFETCH(QString, changed);
    if (!file.isEmpty()) {
        FileCommands::store(CharacterSheet(), path(file));
        m_form->openCharacterFile(path(file));
    }
    QCOMPARE(shownTitle(), unchanged);
    QCOMPARE(m_form->windowFilePath(), file.isEmpty() ? QString() : path(file));
    m_form->sheet().setText(SheetValue::CharacterName, u"Krieger"_s);
    QTRY_COMPARE_WITH_TIMEOUT(shownTitle(), changed, 5000);
    // Changed back, the sheet is as its file has it again.
    if (file.isEmpty()) {
        m_form->sheet().setText(SheetValue::CharacterName, u"Enter Character Name"_s);
        QTRY_COMPARE_WITH_TIMEOUT(shownTitle(), unchanged, 5000);
    }
}

void TestSheetSafety::saveSaysWhatItWrote()
{
    m_form->sheet().setText(SheetValue::CharacterName, u"Anselme"_s);
    ModalWatcher watcher;
    watcher.onDialog(typeFileName(path(u"anselme.qmc"_s)));
    trigger(u"Save1"_s);
    QCOMPARE(watcher.texts(), QStringList());
    QCOMPARE(m_form->statusBar()->currentMessage(), u"Saved anselme.qmc"_s);
    QCOMPARE(shownTitle(), u"anselme.qmc - Quillmark"_s);

    // Saved again, its own file is written without a question: Save, Enter, done.
    m_form->sheet().setText(SheetValue::CharacterName, u"Anselme the Second"_s);
    watcher.onDialog([](QWidget *dialog) { static_cast<QDialog *>(dialog)->accept(); });
    trigger(u"Save1"_s);
    QCOMPARE(watcher.texts(), QStringList());
    QVERIFY(readFile(path(u"anselme.qmc"_s)).startsWith("Anselme the Second\r\n"));
    QVERIFY(!m_form->isWindowModified());
}

void TestSheetSafety::copyLiesThereWhileTheSheetIsChanged_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("kept");
    QTest::newRow("Save") << u"Save1"_s << QMessageBox::NoButton << false;
    QTest::newRow("New, Discard") << u"New1"_s << QMessageBox::Discard << false;
    QTest::newRow("close, Discard") << u"close"_s << QMessageBox::Discard << false;
    QTest::newRow("close, Cancel") << u"close"_s << QMessageBox::Cancel << true;
    QTest::newRow("Exit, Discard") << u"Exit1"_s << QMessageBox::Discard << false;
    QTest::newRow("changed back by hand") << QString() << QMessageBox::NoButton << false;
}

void TestSheetSafety::copyLiesThereWhileTheSheetIsChanged()
{
    QFETCH(QString, how);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, kept);
    m_form->sheet().setText(SheetValue::CharacterName, u"Krieger"_s);
    QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 5000);
    const QString copy = m_folder.recoveryFolder() + u'/' + copies().constFirst();
    QVERIFY(readFile(copy).startsWith("Krieger\r\n"));

    ModalWatcher watcher;
    if (answer != QMessageBox::NoButton)
        watcher.answer(answer);
    if (how == u"Save1"_s)
        watcher.onDialog(typeFileName(path(u"krieger.qmc"_s)));
    if (how == u"close"_s) {
        m_form->close();
    } else if (how == u"Exit1"_s) {
        // Exit ends the event loop; it runs in one of its own, with a cap.
        QTimer::singleShot(0, m_form.get(), [this] { trigger(u"Exit1"_s); });
        QTimer::singleShot(5000, m_form.get(), [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    } else if (how.isEmpty())
        m_form->sheet().setText(SheetValue::CharacterName, u"Enter Character Name"_s);
    else
        trigger(how);
    QVERIFY(!watcher.unexpected());
    QTRY_COMPARE_WITH_TIMEOUT(copies().size(), kept ? 1 : 0, 5000);
}

// Two windows of one program stand for two programs: the copy of a window that is still open
// is not offered; once it is gone without saving, the next window offers it.
void TestSheetSafety::copyOfAnEndedWindowIsOffered()
{
    FileCommands::store(CharacterSheet(), path(u"hero.qmc"_s));
    m_form->openCharacterFile(path(u"hero.qmc"_s));
    m_form->sheet().setText(SheetValue::CharacterName, u"Anselme"_s);
    QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 5000);
    std::unique_ptr<TMainForm> first = std::move(m_form);

    ModalWatcher watcher;
    newForm();
    QTest::qWait(0);
    QCOMPARE(watcher.texts(), QStringList());
    m_form.reset();
    first.reset();

    watcher.answer(QMessageBox::Yes);
    newForm();
    QTRY_COMPARE(watcher.texts(),
                 QStringList{u"Quillmark ended before the character \"Anselme\" was saved. "
                             u"Restore it?"_s});
    const ModalWatcher::Box &box = watcher.seen().constFirst();
    QCOMPARE(box.defaultButton, QMessageBox::Yes);
    QCOMPARE(m_form->sheet().text(SheetValue::CharacterName), u"Anselme"_s);
    QTRY_COMPARE_WITH_TIMEOUT(shownTitle(), u"hero.qmc* - Quillmark"_s, 5000);

    // Saved into its own file without a question; the copy goes.
    watcher.clear();
    watcher.onDialog([](QWidget *dialog) { static_cast<QDialog *>(dialog)->accept(); });
    trigger(u"Save1"_s);
    QCOMPARE(watcher.texts(), QStringList());
    QVERIFY(readFile(path(u"hero.qmc"_s)).startsWith("Anselme\r\n"));
    QCOMPARE(copies(), QStringList());
}

void TestSheetSafety::copyThatCannotBeWrittenIsSaidOnce()
{
    QVERIFY(writeFile(path(u"state"_s), "a file where the state folder should be"));
    qputenv("XDG_STATE_HOME", QFile::encodeName(path(u"state"_s)));
    newForm();
    m_form->sheet().setText(SheetValue::CharacterName, u"Krieger"_s);
    const QString said = u"No recovery copy of the character could be written into %1: Not a "
                         u"directory"_s.arg(path(u"state/quillmark"_s));
    QTRY_COMPARE_WITH_TIMEOUT(m_form->statusBar()->currentMessage(), said, 5000);
    // Tried again at once (as the session's end does), the same failure is not said again.
    m_form->statusBar()->clearMessage();
    m_form->sheet().setText(SheetValue::CharacterName, u"Krieger II"_s);
    Q_EMIT qApp->commitDataRequest(*qApp->findChild<QSessionManager *>());
    QCOMPARE(m_form->statusBar()->currentMessage(), QString());
}

// The session manager's request through QGuiApplication's own signal; the offscreen platform
// allows no interaction, so the changed character goes into its copy and the close at the
// session's end asks nothing and keeps it.
void TestSheetSafety::sessionEndKeepsAChangedCharacter()
{
    m_form->setRecoveryInterval(60000);
    auto *session = qApp->findChild<QSessionManager *>();
    QVERIFY(session);
    QVERIFY(!session->allowsInteraction());
    m_form->sheet().setText(SheetValue::CharacterName, u"Krieger"_s);
    QCOMPARE(copies().size(), 0);
    ModalWatcher watcher;
    Q_EMIT qApp->commitDataRequest(*session);
    QCOMPARE(copies().size(), 1);
    QVERIFY(m_form->close());
    QCOMPARE(watcher.texts(), QStringList());
    QCOMPARE(copies().size(), 1);
}

QTEST_MAIN(TestSheetSafety)
#include "tst_sheet_safety.moc"
