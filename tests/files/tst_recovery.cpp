// The recovery copy's rules without a window: where the copies lie, the note beside each, which
// copies are orphaned (two lock files in one process stand for two programs), their order, and
// what Restore, Delete the copy and Later do with the sheet and the files.
#include "files/CharacterDocument.h"
#include "files/FileCommands.h"
#include "files/SheetSamples.h"
#include "files/recovery/Recovery.h"
#include "files/recovery/RecoveryCopy.h"
#include "files/recovery/RecoveryFolder.h"
#include "files/recovery/RecoveryNote.h"
#include "sheet/CharacterSheet.h"
#include "support/RecordingPrompter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRecovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void folderFollowsTheEnvironment_data();
    void folderFollowsTheEnvironment();
    void noteKeepsAnyName();
    void onlyCopiesOfEndedProgramsAreOrphans();
    void offer_data();
    void offer();
    void unreadableCopyIsSetAsideNotDeleted();

private:
    QString folder() const { return m_dir->filePath(u"state/quillmark"_s); }
    QStringList entries() const { return QDir(folder()).entryList(QDir::Files, QDir::Name); }
    // The copy of a program that has ended: written, then its lock released. Returns its
    // character file.
    QString leaveCopy(const QString &name, const QString &file);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecovery::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestRecovery::leaveCopy(const QString &name, const QString &file)
{
    CharacterSheet sheet;
    CharacterDocument document(sheet);
    RecordingPrompter prompter;
    if (!file.isEmpty())
        FileCommands::load(sheet, document, file, prompter);
    sheet.setText(SheetValue::CharacterName, name);
    RecoveryCopy copy(folder());
    const QString written = Recovery::write(document, copy);
    return written.isEmpty() ? copy.characterFile() : written;
}

void TestRecovery::folderFollowsTheEnvironment_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("folder");
    QTest::newRow("XDG_STATE_HOME") << QByteArray("/s") << QByteArray("/h") << u"/s/quillmark"_s;
    QTest::newRow("a relative one is ignored")
        << QByteArray("s") << QByteArray("/h") << u"/h/.local/state/quillmark"_s;
    QTest::newRow("unset") << QByteArray() << QByteArray("/h/") << u"/h/.local/state/quillmark"_s;
    QTest::newRow("no home either") << QByteArray() << QByteArray() << QString();
}

void TestRecovery::folderFollowsTheEnvironment()
{
    QFETCH(QByteArray, state);
    QFETCH(QByteArray, home);
    QTEST(RecoveryFolder::pathFor(state, home), "folder");
}

// A name may hold any byte but NUL and "/", a line feed and "=" included.
void TestRecovery::noteKeepsAnyName()
{
    RecoveryNote note;
    note.file = u"/home/ann/a=b\nc%20 é.qmc"_s;
    note.identity = {u"/home/ann/real.qmc"_s, 2049, 18446744073709551000ull, 12345,
                     1700000000123456789};
    note.name = u"Zoë\n=100%"_s;
    note.written = QDateTime(QDate(2024, 5, 1), QTime(12, 30, 1, 250), Qt::UTC);
    QCOMPARE(RecoveryNote::decode(note.encode()), note);
    QCOMPARE(RecoveryNote::decode("name=Ann\nnonsense\nsize=x\nother=1\n").name, u"Ann"_s);
    QCOMPARE(RecoveryNote::decode("size=x\n").identity.size, -1);
}

void TestRecovery::onlyCopiesOfEndedProgramsAreOrphans()
{
    CharacterSheet sheet;
    CharacterDocument document(sheet);
    sheet.setText(SheetValue::CharacterName, u"Living"_s);
    RecoveryCopy living(folder());
    QCOMPARE(Recovery::write(document, living), QString());
    QCOMPARE(QFileInfo(folder()).permissions() & 0x0077, QFileDevice::Permissions());
    QFile older(leaveCopy(u"Older"_s, {}));
    QVERIFY(older.open(QIODevice::ReadWrite));
    QVERIFY(older.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                              QFileDevice::FileModificationTime));
    leaveCopy(u"Newer"_s, {});
    QCOMPARE(entries().filter(u".lock"_s).size(), 1);

    const auto orphans = orphanedCopies(folder(), {});
    QStringList names;
    for (const auto &copy : orphans)
        names << CharacterFileFormat::decode(readFile(copy->characterFile()))
                     .text(SheetValue::CharacterName);
    QCOMPARE(names, (QStringList{u"Newer"_s, u"Older"_s}));
    // Each is now held: another look finds none of them.
    QCOMPARE(orphanedCopies(folder(), {}).size(), size_t(0));
}

void TestRecovery::offer_data()
{
    using Answer = Prompter::Recovery;
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("restored");
    QTest::addColumn<int>("copiesLeft");
    QTest::newRow("Restore") << Answer::Restore << true << 1;
    QTest::newRow("Delete the copy") << Answer::Delete << false << 0;
    QTest::newRow("Later") << Answer::Later << false << 1;
}

// A copy of "hero.qmc": restored, the sheet belongs to that file, counts as changed, and is saved
// back without a question while the file is untouched.
void TestRecovery::offer()
{
    QFETCH(Prompter::Recovery, answer);
    QFETCH(bool, restored);
    QFETCH(int, copiesLeft);
    const QString hero = m_dir->filePath(u"hero.qmc"_s);
    CharacterSheet stored;
    fillSheet(stored, fullCharacter());
    FileCommands::store(stored, hero);
    leaveCopy(u"Anselme"_s, hero);

    CharacterSheet sheet;
    CharacterDocument document(sheet);
    RecordingPrompter prompter;
    prompter.restoreAnswers = {answer};
    auto own = std::make_unique<RecoveryCopy>(folder());
    QStringList offered;
    QCOMPARE(Recovery::offer(folder(), sheet, document, own, prompter, offered), restored);
    QCOMPARE(
        prompter.shown,
        QStringList{u"Quillmark ended before the character \"Anselme\" was saved. Restore it?"_s});
    QCOMPARE(entries().filter(u".qmc"_s).size(), copiesLeft);
    QCOMPARE(sheet.text(SheetValue::CharacterName),
             restored ? u"Anselme"_s : u"Enter Character Name"_s);
    QCOMPARE(document.isChanged(), restored);
    QCOMPARE(document.fileName(), restored ? hero : QString());
    // Offered once a run.
    QCOMPARE(Recovery::offer(folder(), sheet, document, own, prompter, offered), false);
    QCOMPARE(prompter.shown.size(), 1);
    if (!restored)
        return;
    QCOMPARE(own->characterFile(), offered.constFirst());
    prompter.saveNames = {hero};
    QVERIFY(FileCommands::saveCharacter(document, prompter));
    QCOMPARE(prompter.shown.size(), 1);
    QCOMPARE(readFile(hero).left(9), QByteArray("Anselme\r\n"));
}

void TestRecovery::unreadableCopyIsSetAsideNotDeleted()
{
    QVERIFY(QDir().mkpath(folder()));
    const QString copy = folder() + u"/4242-0badf00d.qmc"_s;
    QVERIFY(writeFile(copy, "Ann\r\nnot a number\r\n"));
    CharacterSheet sheet;
    CharacterDocument document(sheet);
    RecordingPrompter prompter;
    std::unique_ptr<RecoveryCopy> own;
    QStringList offered;
    QVERIFY(!Recovery::offer(folder(), sheet, document, own, prompter, offered));
    const QString aside = folder() + u"/4242-0badf00d-unreadable.qmc"_s;
    QCOMPARE(
        prompter.shown,
        QStringList{u"The recovery copy \"%1\" cannot be read as a character: 'not a number' is "
                    u"not a valid integer value. It was set aside as \"%2\"."_s.arg(copy, aside)});
    QCOMPARE(entries(), QStringList{u"4242-0badf00d-unreadable.qmc"_s});
    QCOMPARE(readFile(aside), QByteArray("Ann\r\nnot a number\r\n"));
}

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
