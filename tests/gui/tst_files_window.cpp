#include "files/CharacterDocument.h"
#include "files/CharacterFile.h"
#include "files/SheetSamples.h"
#include "gui/FileDialogAnswers.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Typed into the name box: selectFile() is ignored once the dialog has given it the focus,
// which on a busy machine it may have done before the answer comes.
ModalWatcher::DialogAction choose(const QString &name)
{
    return typeFileName(name);
}

void cancel(QWidget *dialog)
{
    QVERIFY(qobject_cast<QFileDialog *>(dialog));
    qobject_cast<QFileDialog *>(dialog)->reject();
}

} // namespace

class TestFilesWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newAnswered_data();
    void newAnswered();
    void openCancelled();
    void saveCancelled();
    void saveNewOpenGivesBackTheSheet();
    void openOfAMissingFileShowsTheErrorBox();
    void openOfALongTypeLineQuotesItSoon();
    void eachDialogOffersItsOwnLastName();
    void longValuesSurviveOpenThenSave();

private:
    void trigger(const char *action)
    {
        m_form->control<QAction>(QLatin1StringView(action))->trigger();
    }
    QString path(const QString &name) const { return QDir(m_folder.path()).filePath(name); }
    CharacterFile shown() const { return CharacterFile::fromSheet(m_form->sheet()); }

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestFilesWindow::init()
{
    // The settings file and the dialogs' folder changes stay inside the temporary folder.
    QVERIFY(m_folder.enter());
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    fillSheet(m_form->sheet(), fullCharacter());
    // As if opened from a file, so that Open replaces it without a question.
    m_form->document().markUnchanged({});
}

void TestFilesWindow::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

void TestFilesWindow::newAnswered_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("Yes") << QMessageBox::Yes << true;
    QTest::newRow("No") << QMessageBox::No << false;
    // No button of its own: the box's escape button answers, as the Esc key does.
    QTest::newRow("Escape") << QMessageBox::NoButton << false;
}

void TestFilesWindow::newAnswered()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, cleared);
    m_form->sheet().setTotalColour(TotalColour::Red);
    ModalWatcher watcher;
    watcher.answer(answer);
    trigger("New1");
    QCOMPARE(watcher.texts(), QStringList{u"This will clear all current work.  Are you sure?"_s});
    const ModalWatcher::Box &box = watcher.seen().constFirst();
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.defaultButton, QMessageBox::Yes);
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QVERIFY(!watcher.unexpected());
    CharacterSheet fresh;
    QCOMPARE(shown(), CharacterFile::fromSheet(cleared ? fresh : m_form->sheet()));
    QCOMPARE(shown() == fullCharacter(), !cleared);
    QCOMPARE(m_form->control<QLineEdit>(u"CharacterNameEdit"_s)->text(),
             cleared ? u"Enter Character Name"_s : u"Zoë Ångström"_s);
    QCOMPARE(m_form->control<QListView>(u"SongsListBox"_s)->model()->rowCount(), cleared ? 0 : 3);
    QCOMPARE(m_form->sheet().totalColour(), TotalColour::Red);
}

void TestFilesWindow::openCancelled()
{
    ModalWatcher watcher;
    watcher.onDialog(cancel);
    trigger("Open1");
    QCOMPARE(watcher.texts(), QStringList{u"You must select a character file."_s});
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::NoIcon);
    QVERIFY(!watcher.unexpected());
    QCOMPARE(shown(), fullCharacter());
}

void TestFilesWindow::saveCancelled()
{
    const QStringList before = QDir().entryList(QDir::Files);
    ModalWatcher watcher;
    watcher.onDialog(cancel);
    trigger("Save1");
    QCOMPARE(watcher.texts(), QStringList{u"You must enter a file name."_s});
    QVERIFY(!watcher.unexpected());
    QCOMPARE(QDir().entryList(QDir::Files), before);
}

void TestFilesWindow::saveNewOpenGivesBackTheSheet()
{
    ModalWatcher watcher;
    watcher.onDialog(choose(path(u"hero.qmc"_s)));
    trigger("Save1");
    QVERIFY(QFileInfo::exists(path(u"hero.qmc"_s)));
    watcher.answer(QMessageBox::Yes);
    trigger("New1");
    QCOMPARE(m_form->sheet().typeIndex(), -1);
    watcher.onDialog(choose(path(u"hero.qmc"_s)));
    trigger("Open1");
    QCOMPARE(watcher.texts(), QStringList{u"This will clear all current work.  Are you sure?"_s});
    QVERIFY(!watcher.unexpected());
    QCOMPARE(shown(), fullCharacter());
    QCOMPARE(m_form->control<QListView>(u"DistinctionsListBox"_s)->model()->index(1, 0).data(),
             u"  padded item 9  "_s);
    QCOMPARE(m_form->control<QLineEdit>(u"CharacterPointsEdit"_s)->text(), u"12"_s);
}

void TestFilesWindow::eachDialogOffersItsOwnLastName()
{
    QStringList offered;
    const auto record = [&offered](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        const bool named = files->selectedFiles().value(0).endsWith(u"/saved.qmc"_s);
        offered << files->objectName() + (named ? u" saved.qmc"_s : u" nothing"_s);
        files->reject();
    };
    ModalWatcher watcher;
    watcher.onDialog(choose(path(u"saved.qmc"_s)));
    trigger("Save1");
    watcher.onDialog(record);
    trigger("Save1");
    watcher.onDialog(record);
    trigger("Open1");
    QCOMPARE(offered, (QStringList{u"SaveChar saved.qmc"_s, u"OpenChar nothing"_s}));
    QCOMPARE(watcher.texts(), (QStringList{u"You must enter a file name."_s,
                                           u"You must select a character file."_s}));
}

void TestFilesWindow::openOfAMissingFileShowsTheErrorBox()
{
    ModalWatcher watcher;
    watcher.onDialog(choose(path(u"missing.qmc"_s)));
    trigger("Open1");
    QCOMPARE(watcher.texts(), QStringList{u"File not found."_s});
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(shown(), fullCharacter());
}

void TestFilesWindow::openOfALongTypeLineQuotesItSoon()
{
    QVERIFY(writeFile(path(u"long.qmc"_s), "Long\n" + QByteArray(2'000'000, '9') + "\n"));
    ModalWatcher watcher;
    watcher.onDialog(choose(path(u"long.qmc"_s)));
    QElapsedTimer timer;
    timer.start();
    trigger("Open1");
    QCOMPARE_LT(timer.elapsed(), 2000);
    QCOMPARE(watcher.texts(), QStringList{QString(60, u'9').prepend(u'\'') +
                                          u"…' (2,000,000 characters) is not a valid integer "
                                          u"value."_s});
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(shown(), fullCharacter());
}

void TestFilesWindow::longValuesSurviveOpenThenSave()
{
    // Longer than a line edit holds by default (32,767 characters).
    CharacterFile file = fullCharacter();
    file.text(SheetValue::CharacterName) = QString(40000, u'n');
    file.text(SheetValue::ChoirBand) = QString(40000, u'c');
    file.text(SheetValue::Superior) = QString(40000, u's');
    const QByteArray bytes = CharacterFileFormat::encode(file);
    QFile in(path(u"long.qmc"_s));
    QVERIFY(in.open(QIODevice::WriteOnly) && in.write(bytes) == bytes.size());
    in.close();
    ModalWatcher watcher;
    m_form->openCharacterFile(path(u"long.qmc"_s));
    watcher.onDialog(choose(path(u"saved.qmc"_s)));
    trigger("Save1");
    QVERIFY(!watcher.unexpected());
    QVERIFY(watcher.seen().isEmpty());
    QFile out(path(u"saved.qmc"_s));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray saved = out.readAll();
    QCOMPARE(saved.size(), bytes.size());
    QVERIFY(saved == bytes);
}

QTEST_MAIN(TestFilesWindow)
#include "tst_files_window.moc"
