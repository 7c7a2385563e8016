#include "files/CharacterDocument.h"
#include "files/CharacterFile.h"
#include "files/FileCommands.h"
#include "files/SheetSamples.h"
#include "gui/FileDialogAnswers.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString unsaved = u"The character has been changed. Do you want to save it?"_s;
const QString noName = u"You must enter a file name."_s;

// The full name a file dialog offers: its folder and the name in its name box.
QString offeredIn(QWidget *dialog)
{
    auto *files = qobject_cast<QFileDialog *>(dialog);
    return QDir(files->directory())
        .filePath(files->findChild<QLineEdit *>(u"fileNameEdit"_s)->text());
}

} // namespace

// What the window does so that no character is lost: the name Save offers, the question before a
// file is replaced, the question before a changed character is closed, and a stored type that
// the configuration switches off.
class TestKeepingCharacters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void saveOffers_data();
    void saveOffers();
    void replacingAsksFirst_data();
    void replacingAsksFirst();
    void ownFileIsAskedAboutOnlyWhenChangedElsewhere_data();
    void ownFileIsAskedAboutOnlyWhenChangedElsewhere();
    void changedCharacterIsNotClosedUnasked_data();
    void changedCharacterIsNotClosedUnasked();
    void switchedOffTypeSurvivesOpenAndSave();
    void soldierWithAllForcesPlacedOpensGreen();
    void firstDialogOpensWhereThePlayerStarted_data();
    void firstDialogOpensWhereThePlayerStarted();

private:
    template <class T> T *control(const QString &name) const { return m_form->control<T>(name); }
    void trigger(const QString &action) { control<QAction>(action)->trigger(); }
    QString path(const QString &name) const { return m_folder.filePath(name); }
    // The name the Save dialog offers; the dialog is then cancelled.
    QString offeredBySave();
    void storeCharacter(const QString &name, int type, const QString &forces);

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestKeepingCharacters::init()
{
    QVERIFY(m_folder.enter());
    m_form = std::make_unique<TMainForm>();
    m_form->show();
}

void TestKeepingCharacters::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

QString TestKeepingCharacters::offeredBySave()
{
    ModalWatcher watcher;
    QString offered;
    watcher.onDialog([&offered](QWidget *dialog) {
        offered = offeredIn(dialog);
        static_cast<QDialog *>(dialog)->reject();
    });
    trigger(u"Save1"_s);
    [&] { QCOMPARE(watcher.texts(), QStringList{noName}); }();
    return offered;
}

// A character file of the type, with the three Forces given as "C,E,C" and a total of 6.
void TestKeepingCharacters::storeCharacter(const QString &name, int type, const QString &forces)
{
    CharacterSheet sheet;
    sheet.setText(SheetValue::CharacterName, QFileInfo(name).baseName());
    sheet.setTypeIndex(type);
    const QStringList each = forces.split(u',');
    sheet.setText(SheetValue::Corporeal, each.at(0));
    sheet.setText(SheetValue::Ethereal, each.at(1));
    sheet.setText(SheetValue::Celestial, each.at(2));
    sheet.setText(SheetValue::TotalForces, u"6"_s);
    FileCommands::store(sheet, path(name));
}

void TestKeepingCharacters::saveOffers_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("offered");
    QTest::newRow("a new character, not the last one's file")
        << u"save kurt, new"_s << u"Undead.qmc"_s;
    QTest::newRow("not a file a drop refused") << u"drop notes"_s << u"Character.qmc"_s;
    QTest::newRow("an opened character its own file") << u"open kurt"_s << u"kurt.qmc"_s;
}

void TestKeepingCharacters::saveOffers()
{
    QFETCH(QString, before);
    QFETCH(QString, offered);
    storeCharacter(u"kurt.qmc"_s, 4, u"2,2,2"_s);
    QVERIFY(writeFile(path(u"notes.txt"_s), "the player's notes"));
    {
        ModalWatcher watcher;
        if (before == u"save kurt, new"_s) {
            m_form->openCharacterFile(path(u"kurt.qmc"_s));
            watcher.onDialog(typeFileName(path(u"kurt.qmc"_s)));
            watcher.answer(QMessageBox::Yes);
            trigger(u"Save1"_s);
            watcher.answer(QMessageBox::Yes);
            trigger(u"New1"_s);
            m_form->sheet().setText(SheetValue::CharacterName, u"Undead"_s);
        } else if (before == u"drop notes"_s) {
            // The refusal alone: the first file was not opened, so nothing was "the only one".
            dropFiles(m_form.get(), {path(u"notes.txt"_s), path(u"kurt.qmc"_s)});
            QTRY_COMPARE(watcher.seen().size(), 1);
            QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::Critical);
        } else {
            m_form->openCharacterFile(path(u"kurt.qmc"_s));
        }
    }
    QCOMPARE(offeredBySave(), path(offered));
    QCOMPARE(readFile(path(u"notes.txt"_s)), QByteArray("the player's notes"));
}

void TestKeepingCharacters::replacingAsksFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("No keeps the file") << u"kurt"_s << QMessageBox::No << false;
    // No button of its own: the box's escape button answers, as the Esc key does.
    QTest::newRow("Escape keeps the file") << u"kurt.qmc"_s << QMessageBox::NoButton << false;
    QTest::newRow("Yes replaces it") << u"kurt"_s << QMessageBox::Yes << true;
}

void TestKeepingCharacters::replacingAsksFirst()
{
    QFETCH(QString, typed);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, replaced);
    storeCharacter(u"kurt.qmc"_s, 4, u"2,2,2"_s);
    const QByteArray soldier = readFile(path(u"kurt.qmc"_s));
    m_form->sheet().setText(SheetValue::CharacterName, u"Mr. Smith"_s);
    ModalWatcher watcher;
    watcher.onDialog(typeFileName(path(typed)));
    watcher.answer(answer);
    // Declined, the question brings the dialog back with the name chosen.
    QString offeredAgain;
    watcher.onDialog([&offeredAgain](QWidget *dialog) {
        offeredAgain = offeredIn(dialog);
        static_cast<QDialog *>(dialog)->reject();
    });
    trigger(u"Save1"_s);
    const QString question = u"kurt.qmc already exists.\nDo you want to replace it?"_s;
    const QStringList shown = replaced ? QStringList{question} : QStringList{question, noName};
    QCOMPARE(watcher.texts(), shown);
    QCOMPARE(offeredAgain, replaced ? QString() : path(u"kurt.qmc"_s));
    QCOMPARE(watcher.seen().constFirst().defaultButton, QMessageBox::No);
    QCOMPARE(readFile(path(u"kurt.qmc"_s)) == soldier, !replaced);
    QCOMPARE(m_form->document().isChanged(), !replaced);

    // A name without the extension is saved with it.
    watcher.clear();
    watcher.onDialog(typeFileName(path(u"Mr. Smith"_s)));
    trigger(u"Save1"_s);
    QCOMPARE(watcher.texts(), QStringList());
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files),
             (QStringList{u"kurt.qmc"_s, u"Mr. Smith.qmc"_s, u"quillmark.ini"_s}));
}

void TestKeepingCharacters::ownFileIsAskedAboutOnlyWhenChangedElsewhere_data()
{
    QTest::addColumn<bool>("changedElsewhere");
    QTest::newRow("untouched since Open: Save, Enter saves") << false;
    QTest::newRow("changed by another program: asked") << true;
}

void TestKeepingCharacters::ownFileIsAskedAboutOnlyWhenChangedElsewhere()
{
    QFETCH(bool, changedElsewhere);
    storeCharacter(u"kurt.qmc"_s, 4, u"2,2,2"_s);
    m_form->openCharacterFile(path(u"kurt.qmc"_s));
    if (changedElsewhere)
        QVERIFY(writeFile(path(u"kurt.qmc"_s), readFile(path(u"kurt.qmc"_s)) + "\r\n"));
    m_form->sheet().setText(SheetValue::CharacterName, u"Kurt"_s);
    ModalWatcher watcher;
    watcher.onDialog([](QWidget *dialog) { static_cast<QDialog *>(dialog)->accept(); });
    watcher.answer(QMessageBox::Yes);
    trigger(u"Save1"_s);
    const QString question = u"kurt.qmc already exists.\nDo you want to replace it?"_s;
    QCOMPARE(watcher.texts(), changedElsewhere ? QStringList{question} : QStringList());
    QVERIFY(readFile(path(u"kurt.qmc"_s)).startsWith("Kurt\r\n"));
}

void TestKeepingCharacters::changedCharacterIsNotClosedUnasked_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("change");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<QString>("name"); // on the sheet afterwards
    const QString changed = u"Krieger"_s;
    const QString opened = u"other"_s;
    const QString cleared = u"Enter Character Name"_s;
    const auto none = QMessageBox::NoButton;
    QTest::newRow("close, unchanged") << u"close"_s << false << none << true << opened;
    QTest::newRow("close, Cancel") << u"close"_s << true << QMessageBox::Cancel << false << changed;
    QTest::newRow("close, Escape") << u"close"_s << true << none << false << changed;
    QTest::newRow("close, Discard")
        << u"close"_s << true << QMessageBox::Discard << true << changed;
    QTest::newRow("close, Save") << u"close"_s << true << QMessageBox::Save << true << changed;
    QTest::newRow("close after Save") << u"save, close"_s << true << none << true << changed;
    QTest::newRow("Exit, Cancel") << u"Exit1"_s << true << QMessageBox::Cancel << false << changed;
    QTest::newRow("Open, Cancel") << u"Open1"_s << true << QMessageBox::Cancel << false << changed;
    QTest::newRow("Open, Discard") << u"Open1"_s << true << QMessageBox::Discard << true << opened;
    QTest::newRow("drop, Cancel") << u"drop"_s << true << QMessageBox::Cancel << false << changed;
    QTest::newRow("drop, unchanged") << u"drop"_s << false << none << true << opened;
    // New over a changed sheet asks the same question in place of its own.
    QTest::newRow("New, Cancel") << u"New1"_s << true << QMessageBox::Cancel << false << changed;
    QTest::newRow("New, Discard") << u"New1"_s << true << QMessageBox::Discard << true << cleared;
    QTest::newRow("New, Save") << u"New1"_s << true << QMessageBox::Save << true << cleared;
}

void TestKeepingCharacters::changedCharacterIsNotClosedUnasked()
{
    QFETCH(QString, how);
    QFETCH(bool, change);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, goesOn);
    QFETCH(QString, name);
    storeCharacter(u"other.qmc"_s, 0, u"3,3,3"_s);
    m_form->openCharacterFile(path(u"other.qmc"_s));
    if (change)
        m_form->sheet().setText(SheetValue::CharacterName, u"Krieger"_s);
    ModalWatcher watcher;
    if (how == u"save, close"_s) {
        watcher.onDialog(typeFileName(path(u"other.qmc"_s)));
        trigger(u"Save1"_s);
        watcher.clear();
    }
    const bool asks = change && how != u"save, close"_s;
    if (asks)
        watcher.answer(answer);
    // Save offers the file the character came from and writes it without a question.
    if (answer == QMessageBox::Save)
        watcher.onDialog(typeFileName(path(u"other.qmc"_s)));
    const bool opens = goesOn && how == u"Open1"_s;
    if (opens)
        watcher.onDialog(typeFileName(path(u"other.qmc"_s)));

    if (how.endsWith(u"close"_s))
        QCOMPARE(m_form->close(), goesOn);
    else if (how == u"drop"_s)
        dropFiles(m_form.get(), {path(u"other.qmc"_s)});
    else
        trigger(how);

    // A drop is taken up from the event loop.
    QTRY_COMPARE(watcher.texts().value(0), asks ? unsaved : QString());
    QCOMPARE(watcher.texts().size(), asks ? 1 : 0);
    QVERIFY(!watcher.unexpected());
    if (asks) {
        const ModalWatcher::Box &box = watcher.seen().constFirst();
        QCOMPARE(box.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    }
    QTRY_COMPARE(m_form->sheet().text(SheetValue::CharacterName), name);
    QCOMPARE(readFile(path(u"other.qmc"_s)).startsWith("Krieger"),
             change && (answer == QMessageBox::Save || how == u"save, close"_s));
}

void TestKeepingCharacters::switchedOffTypeSurvivesOpenAndSave()
{
    storeCharacter(u"outcast.qmc"_s, 2, u"1,2,3"_s);
    const QByteArray stored = readFile(path(u"outcast.qmc"_s));
    control<QCheckBox>(u"OutcastCheckBox"_s)->setChecked(false);
    ModalWatcher watcher;
    watcher.onDialog(typeFileName(path(u"outcast.qmc"_s)));
    trigger(u"Open1"_s);
    QCOMPARE(m_form->sheet().typeIndex(), 2);
    QCOMPARE(m_form->sheet().text(SheetValue::Ethereal), u"2"_s);
    watcher.onDialog(typeFileName(path(u"again.qmc"_s)));
    trigger(u"Save1"_s);
    QCOMPARE(watcher.texts(), QStringList());
    QCOMPARE(readFile(path(u"again.qmc"_s)), stored);
}

void TestKeepingCharacters::soldierWithAllForcesPlacedOpensGreen()
{
    storeCharacter(u"kurt.qmc"_s, 4, u"2,2,2"_s);
    m_form->openCharacterFile(path(u"kurt.qmc"_s));
    QCOMPARE(control<QLineEdit>(u"TotalForcesEdit"_s)->palette().color(QPalette::Base),
             QColor(0, 128, 0));
}

void TestKeepingCharacters::firstDialogOpensWhereThePlayerStarted_data()
{
    QTest::addColumn<QByteArray>("caller");
    QTest::addColumn<QString>("opensIn");
    QTest::newRow("the caller's folder") << QByteArray("player") << u"player"_s;
    // Never in the folder the launcher starts the program in, which holds its own files.
    QTest::newRow("a folder that is gone") << QByteArray("gone") << u"home"_s;
    QTest::newRow("a name that is not UTF-8") << QByteArray("pl\xe4yer") << u"home"_s;
}

void TestKeepingCharacters::firstDialogOpensWhereThePlayerStarted()
{
    QFETCH(QByteArray, caller);
    QFETCH(QString, opensIn);
    const QByteArray callerPath = QFile::encodeName(m_folder.path()) + '/' + caller;
    if (caller != "gone")
        QCOMPARE(::mkdir(callerPath.constData(), 0700), 0);
    qputenv("QUILLMARK_CALLER_FOLDER", callerPath);
    m_form = std::make_unique<TMainForm>();
    qunsetenv("QUILLMARK_CALLER_FOLDER");
    m_form->show();
    const QString folder = opensIn == u"home"_s ? QDir::homePath() : path(opensIn);
    QCOMPARE(offeredBySave(), QDir(folder).filePath(u"Character.qmc"_s));
    QCOMPARE(QDir::currentPath(), m_folder.path());
}

QTEST_MAIN(TestKeepingCharacters)
#include "tst_keeping_characters.moc"
