#include "common/QuillError.h"
#include "files/FileCommands.h"
#include "files/InChild.h"
#include "files/SheetSamples.h"
#include "sheet/CharacterSheet.h"
#include "support/ErrorOf.h"
#include "support/RecordingPrompter.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString refusal = u"Current configuration does not allow this Character Type."_s;

// Runs `body` in a child as described in InChild.h. The child first makes sure it can see
// `file` at all, so that a folder it may not even enter does not pass for the refusal a test
// looks for.
QByteArray inChildSeeing(const QString &file, const std::function<QByteArray()> &body)
{
    return inChild(true, [&] {
        return QFileInfo::exists(file) ? body()
                                       : QByteArray("the test folder is out of this user's reach");
    });
}

// The error `command` raised in such a child.
QByteArray errorInChild(const QString &file, const std::function<void()> &command)
{
    return inChildSeeing(file, [&] { return errorOf(command).toUtf8(); });
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newCharacter_data();
    void newCharacter();
    void cancelledDialogs();
    void saveThenOpenGivesBackTheSheet();
    void saveUsesTheNameExactly();
    void saveReplacesAndKeepsPermissions();
    void saveKeepsASymbolicLink();
    void typeLineRunsTheTypeChoice_data();
    void typeLineRunsTheTypeChoice();
    void disallowedTypeLoadsEverythingElse();
    void fileEndingEarlyIsLoadedAndReported();
    void failedOpenLeavesTheSheet_data();
    void failedOpenLeavesTheSheet();
    void unreadableFileLeavesTheSheet();
    void failedSaveLeavesTheOldFile_data();
    void failedSaveLeavesTheOldFile();
    void saveIntoAFolderWithoutWritePermission();
    void saveThatRunsOutOfSpace();
    void saveOverAReadOnlyFile();

private:
    QString path(const QString &name) const { return QDir(m_dir->path()).filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    static CharacterTypes::AllowedTypes allowing(bool allowed)
    {
        CharacterTypes::AllowedTypes types{};
        types.fill(allowed);
        return types;
    }
    // The names of the types whose choice ran on the sheet, in order.
    void recordChoices(CharacterSheet &sheet)
    {
        connect(&sheet, &CharacterSheet::typeIndexChanged, this, [this](int index) {
            if (index >= 0)
                m_asked << SheetNames::characterTypeNames().at(index);
        });
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    CharacterSheet m_sheet;
    RecordingPrompter m_prompter;
    QStringList m_asked;
};

void TestFileCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    fillSheet(m_sheet, fullCharacter());
    m_prompter = RecordingPrompter();
    m_asked.clear();
    disconnect(&m_sheet, nullptr, this, nullptr);
    recordChoices(m_sheet);
}

void TestFileCommands::cleanup()
{
    // A test may have locked its folder; its owner must be able to empty and remove it again.
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

void TestFileCommands::newCharacter_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes clears") << true;
    QTest::newRow("No keeps") << false;
}

void TestFileCommands::newCharacter()
{
    QFETCH(bool, yes);
    m_prompter.answers = {yes};
    FileCommands::newCharacter(m_sheet, m_prompter);
    QCOMPARE(m_prompter.shown, QStringList{u"This will clear all current work.  Are you sure?"_s});
    CharacterSheet fresh;
    const CharacterFile expected = CharacterFile::fromSheet(yes ? fresh : m_sheet);
    QCOMPARE(CharacterFile::fromSheet(m_sheet), yes ? expected : fullCharacter());
}

void TestFileCommands::cancelledDialogs()
{
    FileCommands::openCharacter(m_sheet, allowing(true), m_prompter);
    FileCommands::saveCharacter(m_sheet, m_prompter);
    QCOMPARE(m_prompter.shown, (QStringList{u"You must select a character file."_s,
                                            u"You must enter a file name."_s}));
    QCOMPARE(CharacterFile::fromSheet(m_sheet), fullCharacter());
    QVERIFY(m_asked.isEmpty());
}

void TestFileCommands::saveThenOpenGivesBackTheSheet()
{
    m_prompter.saveNames = {path(u"zoë.qmc"_s)};
    FileCommands::saveCharacter(m_sheet, m_prompter);
    CharacterSheet loaded;
    loaded.setItems(SheetList::Songs, {u"left over"_s});
    recordChoices(loaded);
    m_prompter.openNames = {path(u"zoë.qmc"_s)};
    FileCommands::openCharacter(loaded, allowing(true), m_prompter);
    QCOMPARE(CharacterFile::fromSheet(loaded), fullCharacter());
    QCOMPARE(m_asked, QStringList{u"Angel"_s});
    QVERIFY(m_prompter.shown.isEmpty());
}

void TestFileCommands::saveUsesTheNameExactly()
{
    FileCommands::store(m_sheet, path(u"no extension"_s));
    QCOMPARE(entries(), QStringList{u"no extension"_s});
}

void TestFileCommands::saveReplacesAndKeepsPermissions()
{
    const QString name = path(u"old.qmc"_s);
    QVERIFY(writeFile(name, "old content, longer than nothing"));
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(name, permissions));
    FileCommands::store(m_sheet, name);
    QCOMPARE(readFile(name), readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc")));
    QCOMPARE(QFile::permissions(name) & 0x7077, permissions);
    QCOMPARE(entries(), QStringList{u"old.qmc"_s});
}

void TestFileCommands::saveKeepsASymbolicLink()
{
    QVERIFY(writeFile(path(u"real.qmc"_s), "old"));
    QVERIFY(QFile::link(path(u"real.qmc"_s), path(u"link.qmc"_s)));
    FileCommands::store(m_sheet, path(u"link.qmc"_s));
    QVERIFY(QFileInfo(path(u"link.qmc"_s)).isSymLink());
    QCOMPARE(readFile(path(u"real.qmc"_s)),
             readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc")));
}

void TestFileCommands::typeLineRunsTheTypeChoice_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("-1 runs nothing") << QByteArray("-1") << -1 << QStringList();
    QTest::newRow("-7 runs nothing") << QByteArray("-7") << -1 << QStringList();
    QTest::newRow("9 is Mundane") << QByteArray("9") << 7 << QStringList{u"Mundane"_s};
    QTest::newRow("Soldier") << QByteArray("4") << 4 << QStringList{u"Soldier"_s};
    QTest::newRow("Remnant") << QByteArray("6") << 6 << QStringList{u"Remnant"_s};
}

void TestFileCommands::typeLineRunsTheTypeChoice()
{
    QFETCH(QByteArray, line);
    QFETCH(int, index);
    QFETCH(QStringList, asked);
    QVERIFY(writeFile(path(u"c.qmc"_s), joinLines(plainLines(line))));
    FileCommands::load(m_sheet, path(u"c.qmc"_s), allowing(true), m_prompter);
    QCOMPARE(m_asked, asked);
    QCOMPARE(m_sheet.typeIndex(), index);
    // The stored values win over the starting values of the type.
    QCOMPARE(m_sheet.text(SheetValue::ChoirBand), u"Choir"_s);
    QCOMPARE(m_sheet.text(SheetValue::Corporeal), u"1"_s);
    QCOMPARE(m_sheet.text(SheetValue::SoulHits), u"13"_s);
    QCOMPARE(m_sheet.celestialEnabled(), index != 6);
    QCOMPARE(m_sheet.items(SheetList::Songs), QStringList());
    QVERIFY(m_prompter.shown.isEmpty());
}

void TestFileCommands::disallowedTypeLoadsEverythingElse()
{
    FileCommands::store(m_sheet, path(u"angel.qmc"_s));
    CharacterSheet loaded;
    FileCommands::load(loaded, path(u"angel.qmc"_s), allowing(false), m_prompter);
    QCOMPARE(m_prompter.shown, QStringList{refusal});
    CharacterFile expected = fullCharacter();
    expected.typeIndex = -1;
    QCOMPARE(CharacterFile::fromSheet(loaded), expected);
}

void TestFileCommands::fileEndingEarlyIsLoadedAndReported()
{
    QByteArray bytes = readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc"));
    bytes.truncate(bytes.indexOf("Item 4 first"));
    QVERIFY(writeFile(path(u"short.qmc"_s), bytes));
    FileCommands::load(m_sheet, path(u"short.qmc"_s), allowing(false), m_prompter);
    QCOMPARE(m_prompter.shown, (QStringList{refusal, FileCommands::endedEarlyMessage()}));
    QVERIFY(m_prompter.shown.last().contains(u"incomplete"_s));
    QCOMPARE(m_sheet.text(SheetValue::CharacterName), u"Zoë Ångström"_s);
    QCOMPARE(m_sheet.items(SheetList::Skills), fullCharacter().list(SheetList::Skills));
    QCOMPARE(m_sheet.items(SheetList::Vessels), QStringList());
}

void TestFileCommands::failedOpenLeavesTheSheet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << u"missing.qmc"_s << QByteArray() << u"File not found"_s;
    QTest::newRow("missing folder") << u"nowhere/c.qmc"_s << QByteArray() << u"Invalid filename"_s;
    QTest::newRow("a folder") << u"."_s << QByteArray() << u"File access denied"_s;
    QTest::newRow("word as type") << u"word.qmc"_s << joinLines(plainLines("Angel"))
                                  << u"'Angel' is not a valid integer value"_s;
    QTest::newRow("a pipe nobody writes to")
        << u"pipe"_s << QByteArray()
        << u"The character file \"%1\" cannot be read: it is a named pipe, not a regular file"_s;
    QTest::newRow("more items than a character may hold")
        << u"many.qmc"_s
        << joinLines(plainLines().first(17)) + QByteArray("\r\n").repeated(1'000'001)
        << u"The character file \"%1\" cannot be read: it holds more than 1,000,000 items"_s;
    QTest::newRow("name line only")
        << u"empty.qmc"_s << QByteArray("Name") << u"'' is not a valid integer value"_s;
    QList<QByteArray> longName = plainLines();
    longName[0] = QByteArray(100'001, 'n');
    QTest::newRow("a name longer than a value may be")
        << u"long.qmc"_s << joinLines(longName)
        << u"Line 1 of the character file is too long: '%1…' (100,001 characters); a value may "
           u"have at most 100,000 characters"_s.arg(QString(60, u'n'));
}

void TestFileCommands::failedOpenLeavesTheSheet()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    if (!content.isEmpty())
        QVERIFY(writeFile(path(name), content));
    if (name == u"pipe"_s)
        QCOMPARE(::mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
    m_prompter.openNames = {path(name)};
    QCOMPARE(errorOf([&] { FileCommands::openCharacter(m_sheet, allowing(true), m_prompter); }),
             message.contains(u"%1"_s) ? message.arg(path(name)) : message);
    QCOMPARE(CharacterFile::fromSheet(m_sheet), fullCharacter());
    QVERIFY(m_prompter.shown.isEmpty());
}

void TestFileCommands::unreadableFileLeavesTheSheet()
{
    QVERIFY(writeFile(path(u"locked.qmc"_s), joinLines(plainLines())));
    QVERIFY(QFile::setPermissions(path(u"locked.qmc"_s), QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                     QFile::ExeOwner | QFile::ExeOther));
    const QByteArray report = inChildSeeing(path(u"locked.qmc"_s), [&] {
        const QString error = errorOf([&] {
            FileCommands::load(m_sheet, path(u"locked.qmc"_s), allowing(true), m_prompter);
        });
        const bool untouched = CharacterFile::fromSheet(m_sheet) == fullCharacter();
        return (error + (untouched ? u" | untouched"_s : u" | changed"_s)).toUtf8();
    });
    if (report == "cannot drop privileges")
        QSKIP("this system does not let root become an unprivileged user");
    QCOMPARE(report, QByteArray("File access denied | untouched"));
}

void TestFileCommands::failedSaveLeavesTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder") << u"nowhere/c.qmc"_s << u"Invalid filename"_s;
    QTest::newRow("a folder") << u"folder"_s << u"File access denied"_s;
    QTest::newRow("a device")
        << u"/dev/full"_s
        << u"\"%1\" cannot be written: it is a device, not a regular file; the character was not "
           u"saved"_s;
    QTest::newRow("a pipe nobody reads")
        << u"pipe"_s
        << u"\"%1\" cannot be written: it is a named pipe, not a regular file; the character was "
           u"not saved"_s;
    QTest::newRow("a link to a missing file")
        << u"dangling"_s
        << u"\"%1\" cannot be written: it is a link to a missing file; the character was not "
           u"saved"_s;
    QTest::newRow("a file taken for a folder") << u"old.qmc/c.qmc"_s << u"Invalid filename"_s;
}

void TestFileCommands::failedSaveLeavesTheOldFile()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(QDir(m_dir->path()).mkdir(u"folder"_s));
    QVERIFY(writeFile(path(u"old.qmc"_s), "old"));
    QCOMPARE(::mkfifo(QFile::encodeName(path(u"pipe"_s)).constData(), 0600), 0);
    QVERIFY(QFile::link(path(u"missing.qmc"_s), path(u"dangling"_s)));
    const QStringList before = entries();
    m_prompter.saveNames = {path(name)};
    QCOMPARE(errorOf([&] { FileCommands::saveCharacter(m_sheet, m_prompter); }),
             message.contains(u"%1"_s) ? message.arg(path(name)) : message);
    QCOMPARE(entries(), before);
    QCOMPARE(readFile(path(u"old.qmc"_s)), QByteArray("old"));
    QVERIFY(QFileInfo(path(u"folder"_s)).isDir());
    QVERIFY(QFileInfo(path(u"dangling"_s)).isSymLink());
    QCOMPARE(CharacterFile::fromSheet(m_sheet), fullCharacter());
}

void TestFileCommands::saveIntoAFolderWithoutWritePermission()
{
    QVERIFY(writeFile(path(u"old.qmc"_s), "old"));
    // No one may write into the folder, its owner included.
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner |
                                                     QFile::ReadOther | QFile::ExeOther));
    const QByteArray report =
        errorInChild(path(u"old.qmc"_s), [&] { FileCommands::store(m_sheet, path(u"old.qmc"_s)); });
    if (report == "cannot drop privileges")
        QSKIP("this system does not let root become an unprivileged user");
    QCOMPARE(report, QByteArray("File access denied"));
    QCOMPARE(readFile(path(u"old.qmc"_s)), QByteArray("old"));
    QCOMPARE(entries(), QStringList{u"old.qmc"_s});
}

void TestFileCommands::saveThatRunsOutOfSpace()
{
    // A file-size limit stops the write half-way for root too, as a full disk would.
    QVERIFY(writeFile(path(u"old.qmc"_s), "old"));
    const QByteArray report = inChild(false, [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return QByteArray("setrlimit failed");
        return errorOf([&] { FileCommands::store(m_sheet, path(u"old.qmc"_s)); }).toUtf8();
    });
    QCOMPARE(report, QByteArray("Disk full"));
    QCOMPARE(readFile(path(u"old.qmc"_s)), QByteArray("old"));
    QCOMPARE(entries(), QStringList{u"old.qmc"_s});
}

void TestFileCommands::saveOverAReadOnlyFile()
{
    // The folder is open to all; only the file's own permission can refuse the save.
    QVERIFY(writeFile(path(u"old.qmc"_s), "old"));
    QVERIFY(QFile::setPermissions(path(u"old.qmc"_s), QFile::ReadOwner | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
    const QByteArray report =
        errorInChild(path(u"old.qmc"_s), [&] { FileCommands::store(m_sheet, path(u"old.qmc"_s)); });
    if (report == "cannot drop privileges")
        QSKIP("this system does not let root become an unprivileged user");
    QCOMPARE(report, QByteArray("File access denied"));
    QCOMPARE(readFile(path(u"old.qmc"_s)), QByteArray("old"));
    QCOMPARE(entries(), QStringList{u"old.qmc"_s});
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
