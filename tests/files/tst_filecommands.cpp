#include "common/FileNames.h"
#include "common/QuillError.h"
#include "files/CharacterDocument.h"
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
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

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
    void totalColourFollowsTheStoredForces_data();
    void totalColourFollowsTheStoredForces();
    void saveOffersTheCharactersFile_data();
    void saveOffersTheCharactersFile();
    void saveAddsTheExtensionAndAsksBeforeReplacing_data();
    void saveAddsTheExtensionAndAsksBeforeReplacing();
    void ownFileIsSavedWithoutAQuestion_data();
    void ownFileIsSavedWithoutAQuestion();
    void changedCharacterIsSettledFirst_data();
    void changedCharacterIsSettledFirst();
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
    std::unique_ptr<CharacterDocument> m_document;
    RecordingPrompter m_prompter;
    QStringList m_asked;
};

void TestFileCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    fillSheet(m_sheet, fullCharacter());
    m_document = std::make_unique<CharacterDocument>(m_sheet);
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

// An unchanged sheet keeps New's own question; a changed one is asked about as before it is
// closed, and New then clears it without another question.
void TestFileCommands::newCharacter_data()
{
    using Unsaved = Prompter::Unsaved;
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<Unsaved>("answer");
    QTest::addColumn<bool>("cleared");
    const QString clear = u"This will clear all current work.  Are you sure?"_s;
    QTest::newRow("unchanged, Yes clears") << false << true << Unsaved::Cancel << true;
    QTest::newRow("unchanged, No keeps") << false << false << Unsaved::Cancel << false;
    QTest::newRow("changed, Discard clears") << true << true << Unsaved::Discard << true;
    QTest::newRow("changed, Cancel keeps") << true << true << Unsaved::Cancel << false;
    QTest::newRow("changed, Save saves, then clears") << true << true << Unsaved::Save << true;
}

void TestFileCommands::newCharacter()
{
    QFETCH(bool, changed);
    QFETCH(bool, yes);
    QFETCH(Prompter::Unsaved, answer);
    QFETCH(bool, cleared);
    if (changed)
        m_sheet.setText(SheetValue::CharacterName, u"Renamed"_s);
    const CharacterFile before = CharacterFile::fromSheet(m_sheet);
    m_prompter.answers = {yes};
    m_prompter.unsavedAnswers = {answer};
    m_prompter.saveNames = {path(u"kept.qmc"_s)};
    FileCommands::newCharacter(m_sheet, *m_document, m_prompter);
    QCOMPARE(m_prompter.shown,
             QStringList{changed ? u"The character has been changed. Do you want to save it?"_s
                                 : u"This will clear all current work.  Are you sure?"_s});
    CharacterSheet fresh;
    QCOMPARE(CharacterFile::fromSheet(m_sheet), cleared ? CharacterFile::fromSheet(fresh) : before);
    QCOMPARE(QFileInfo::exists(path(u"kept.qmc"_s)), answer == Prompter::Unsaved::Save);
    QCOMPARE(m_document->isChanged(), changed && !cleared);
}

void TestFileCommands::cancelledDialogs()
{
    FileCommands::openCharacter(m_sheet, *m_document, m_prompter);
    FileCommands::saveCharacter(*m_document, m_prompter);
    QCOMPARE(m_prompter.shown, (QStringList{u"You must select a character file."_s,
                                            u"You must enter a file name."_s}));
    QCOMPARE(CharacterFile::fromSheet(m_sheet), fullCharacter());
    QVERIFY(m_asked.isEmpty());
}

void TestFileCommands::saveThenOpenGivesBackTheSheet()
{
    m_prompter.saveNames = {path(u"zoë.qmc"_s)};
    FileCommands::saveCharacter(*m_document, m_prompter);
    CharacterSheet loaded;
    loaded.setItems(SheetList::Songs, {u"left over"_s});
    CharacterDocument document(loaded);
    recordChoices(loaded);
    m_prompter.openNames = {path(u"zoë.qmc"_s)};
    FileCommands::openCharacter(loaded, document, m_prompter);
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
    FileCommands::load(m_sheet, path(u"c.qmc"_s), m_prompter);
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

void TestFileCommands::fileEndingEarlyIsLoadedAndReported()
{
    QByteArray bytes = readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc"));
    bytes.truncate(bytes.indexOf("Item 4 first"));
    QVERIFY(writeFile(path(u"short.qmc"_s), bytes));
    FileCommands::load(m_sheet, path(u"short.qmc"_s), m_prompter);
    QCOMPARE(m_prompter.shown, QStringList{FileCommands::endedEarlyMessage()});
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
    QCOMPARE(errorOf([&] { FileCommands::openCharacter(m_sheet, *m_document, m_prompter); }),
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
        const QString error =
            errorOf([&] { FileCommands::load(m_sheet, path(u"locked.qmc"_s), m_prompter); });
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
    QTest::newRow("a device") << u"/dev/full"_s << u"it is a device, not a regular file"_s;
    QTest::newRow("a pipe nobody reads")
        << u"pipe"_s << u"it is a named pipe, not a regular file"_s;
    QTest::newRow("a link to a missing file")
        << u"dangling"_s << u"it is a link to a missing file"_s;
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
    QCOMPARE(errorOf([&] { FileCommands::store(m_sheet, path(name)); }),
             notSaved(path(name), message));
    QCOMPARE(entries(), before);
    QCOMPARE(readFile(path(u"old.qmc"_s)), QByteArray("old"));
    QVERIFY(QFileInfo(path(u"folder"_s)).isDir());
    QVERIFY(QFileInfo(path(u"dangling"_s)).isSymLink());
    QCOMPARE(CharacterFile::fromSheet(m_sheet), fullCharacter());
}

void TestFileCommands::totalColourFollowsTheStoredForces_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("corporeal");
    QTest::addColumn<QByteArray>("total");
    QTest::addColumn<TotalColour>("colour");
    // Ethereal and Celestial hold 1 each.
    QTest::newRow("Soldier with all placed")
        << QByteArray("4") << QByteArray("1") << QByteArray("3") << TotalColour::Green;
    QTest::newRow("Undead with one to place")
        << QByteArray("5") << QByteArray("1") << QByteArray("4") << TotalColour::Red;
    QTest::newRow("Angel with one too many")
        << QByteArray("0") << QByteArray("2") << QByteArray("3") << TotalColour::Red;
    QTest::newRow("a Force that is no number keeps the type's colour")
        << QByteArray("4") << QByteArray("abc") << QByteArray("3") << TotalColour::Red;
    QTest::newRow("no type, all placed")
        << QByteArray("-1") << QByteArray("1") << QByteArray("3") << TotalColour::Green;
}

void TestFileCommands::totalColourFollowsTheStoredForces()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, corporeal);
    QFETCH(QByteArray, total);
    QFETCH(TotalColour, colour);
    QList<QByteArray> lines = plainLines(type);
    lines[4] = corporeal;
    lines[7] = "1";
    lines[10] = "1";
    lines[13] = total;
    QVERIFY(writeFile(path(u"c.qmc"_s), joinLines(lines)));
    FileCommands::load(m_sheet, path(u"c.qmc"_s), m_prompter);
    QCOMPARE(m_sheet.totalColour(), colour);
    QCOMPARE(m_sheet.text(SheetValue::TotalForces), QString::fromLatin1(total));
}

void TestFileCommands::saveOffersTheCharactersFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("offered");
    QTest::newRow("a name") << u"Mr. Smith"_s << false << u"Mr. Smith.qmc"_s;
    QTest::newRow("the prompt") << u"Enter Character Name"_s << false << u"Character.qmc"_s;
    QTest::newRow("blanks") << u"   "_s << false << u"Character.qmc"_s;
    QTest::newRow("folders and dots") << u"../up/there"_s << false << u"-up-there.qmc"_s;
    // Three bytes a letter: 83 letters and the extension take 253 of the 255 bytes.
    QTest::newRow("100 CJK letters")
        << QString(100, QChar(0x6F22)) << false << QString(83, QChar(0x6F22)) + u".qmc"_s;
    QTest::newRow("opened from a file") << u"Mr. Smith"_s << true << u"opened.qmc"_s;
}

void TestFileCommands::saveOffersTheCharactersFile()
{
    QFETCH(QString, name);
    QFETCH(bool, opened);
    QFETCH(QString, offered);
    if (opened) {
        FileCommands::store(m_sheet, path(u"opened.qmc"_s));
        FileCommands::load(m_sheet, *m_document, path(u"opened.qmc"_s), m_prompter);
        offered = path(offered);
    }
    m_sheet.setText(SheetValue::CharacterName, name);
    FileCommands::saveCharacter(*m_document, m_prompter);
    QCOMPARE(m_prompter.offeredSaveNames, QStringList{offered});
    QVERIFY(QFile::encodeName(offered).size() <= 255);
}

void TestFileCommands::saveAddsTheExtensionAndAsksBeforeReplacing_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("a name with a dot")
        << u"Mr. Smith"_s << QString() << false << QStringList{u"Mr. Smith.qmc"_s};
    // The dialog shows again with the name chosen; cancelled, it says so.
    QTest::newRow("an existing file kept on No")
        << u"kurt.qmc"_s << u"kurt.qmc"_s << false << QStringList();
    QTest::newRow("an existing file replaced on Yes")
        << u"kurt"_s << u"kurt.qmc"_s << true << QStringList{u"kurt.qmc"_s};
    QTest::newRow("a file without the extension is not the one written")
        << u"notes"_s << u"notes"_s << false << QStringList{u"notes.qmc"_s};
}

void TestFileCommands::saveAddsTheExtensionAndAsksBeforeReplacing()
{
    QFETCH(QString, chosen);
    QFETCH(QString, existing);
    QFETCH(bool, replace);
    QFETCH(QStringList, written);
    if (!existing.isEmpty())
        QVERIFY(writeFile(path(existing), "the player's own"));
    m_prompter.saveNames = {path(chosen)};
    m_prompter.answers = {replace};
    const bool saved = FileCommands::saveCharacter(*m_document, m_prompter);
    QCOMPARE(saved, !written.isEmpty());
    const QByteArray full = readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc"));
    for (const QString &name : entries()) {
        const bool ours = written.contains(name);
        QCOMPARE(readFile(path(name)), ours ? full : QByteArray("the player's own"));
    }
    const bool asked = existing == FileNames::withExtension(chosen, u".qmc"_s);
    QStringList shown;
    if (asked)
        shown << u"kurt.qmc already exists.\nDo you want to replace it?"_s;
    if (asked && !replace)
        shown << u"You must enter a file name."_s;
    QCOMPARE(m_prompter.shown, shown);
    QCOMPARE(m_prompter.offeredSaveNames.size(), asked && !replace ? 2 : 1);
    if (asked && !replace)
        QCOMPARE(m_prompter.offeredSaveNames.constLast(), path(u"kurt.qmc"_s));
    QCOMPARE(m_document->fileName(), saved ? path(written.constFirst()) : QString());
    QCOMPARE(m_prompter.announced,
             saved ? QStringList{u"Saved "_s + written.constFirst()} : QStringList());
}

// The sheet's own file is written without a question while it is as the last Open or Save left
// it; changed by another program, or reached under another name, it is asked about.
void TestFileCommands::ownFileIsSavedWithoutAQuestion_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("asked");
    QTest::newRow("untouched") << QString() << u"own.qmc"_s << false;
    QTest::newRow("through a link to it") << QString() << u"link.qmc"_s << false;
    QTest::newRow("changed by another program") << u"changed"_s << u"own.qmc"_s << true;
    QTest::newRow("replaced by another program") << u"replaced"_s << u"own.qmc"_s << true;
    QTest::newRow("a second name of the same file") << QString() << u"hard.qmc"_s << true;
}

void TestFileCommands::ownFileIsSavedWithoutAQuestion()
{
    QFETCH(QString, meanwhile);
    QFETCH(QString, chosen);
    QFETCH(bool, asked);
    FileCommands::store(m_sheet, path(u"own.qmc"_s));
    FileCommands::load(m_sheet, *m_document, path(u"own.qmc"_s), m_prompter);
    QVERIFY(QFile::link(path(u"own.qmc"_s), path(u"link.qmc"_s)));
    QCOMPARE(::link(QFile::encodeName(path(u"own.qmc"_s)).constData(),
                    QFile::encodeName(path(u"hard.qmc"_s)).constData()),
             0);
    if (meanwhile == u"changed"_s)
        QVERIFY(writeFile(path(u"own.qmc"_s), "another program's"));
    if (meanwhile == u"replaced"_s) {
        QVERIFY(writeFile(path(u"other"_s), readFile(path(u"own.qmc"_s))));
        QVERIFY(QFile::remove(path(u"own.qmc"_s)));
        QVERIFY(QFile::rename(path(u"other"_s), path(u"own.qmc"_s)));
    }
    m_sheet.setText(SheetValue::CharacterName, u"Renamed"_s);
    m_prompter.saveNames = {path(chosen)};
    m_prompter.answers = {true};
    QVERIFY(FileCommands::saveCharacter(*m_document, m_prompter));
    QCOMPARE(m_prompter.shown.size(), asked ? 1 : 0);
    QVERIFY(readFile(path(chosen)).startsWith("Renamed"));
    QVERIFY(!m_document->isChanged());
}

void TestFileCommands::changedCharacterIsSettledFirst_data()
{
    using Unsaved = Prompter::Unsaved;
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Unsaved>("answer");
    QTest::addColumn<QString>("saveName");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("written");
    QTest::newRow("unchanged, no question")
        << false << Unsaved::Cancel << QString() << true << false;
    QTest::newRow("Cancel keeps it") << true << Unsaved::Cancel << QString() << false << false;
    QTest::newRow("Discard goes on") << true << Unsaved::Discard << QString() << true << false;
    QTest::newRow("Save writes first") << true << Unsaved::Save << u"kept"_s << true << true;
    QTest::newRow("Save whose dialog is cancelled stops")
        << true << Unsaved::Save << QString() << false << false;
}

void TestFileCommands::changedCharacterIsSettledFirst()
{
    QFETCH(bool, changed);
    QFETCH(Prompter::Unsaved, answer);
    QFETCH(QString, saveName);
    QFETCH(bool, goesOn);
    QFETCH(bool, written);
    if (changed)
        m_sheet.setText(SheetValue::CharacterName, u"Renamed"_s);
    m_prompter.unsavedAnswers = {answer};
    if (!saveName.isEmpty())
        m_prompter.saveNames = {path(saveName)};
    QCOMPARE(FileCommands::settleChanges(*m_document, m_prompter), goesOn);
    QCOMPARE(m_prompter.shown.value(0),
             changed ? u"The character has been changed. Do you want to save it?"_s : QString());
    QCOMPARE(QFileInfo::exists(path(u"kept.qmc"_s)), written);
    QCOMPARE(m_document->isChanged(), changed && !written);
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
    QCOMPARE(report, notSaved(path(u"old.qmc"_s), u"File access denied"_s).toUtf8());
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
    QCOMPARE(report, notSaved(path(u"old.qmc"_s), u"Disk full"_s).toUtf8());
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
    QCOMPARE(report, notSaved(path(u"old.qmc"_s), u"File access denied"_s).toUtf8());
    QCOMPARE(readFile(path(u"old.qmc"_s)), QByteArray("old"));
    QCOMPARE(entries(), QStringList{u"old.qmc"_s});
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
