#include "common/ProfileText.h"
#include "common/QuillError.h"
#include "fault/PipesAndDevices.h"
#include "fault/Watchdog.h"
#include "shell/settings/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

class TestProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsOneKey_data();
    void readsOneKey();
    void storesOneKeyKeepingEveryOtherLine_data();
    void storesOneKeyKeepingEveryOtherLine();
    void storeReadsBackAndTouchesNoOtherKey();
    void createsAMissingFileInTheOrderOfTheStores();
    void missingFileReadsAsTheDefault();
    void readsSwitches_data();
    void readsSwitches();
    void unwritableTargetRaisesAndLeavesNoTrace_data();
    void unwritableTargetRaisesAndLeavesNoTrace();
    void keepsThePermissionsOfTheFile();
    void failedWriteKeepsTheOldFile();
    void writeThatWouldPassTheReadLimitIsRefused();
    void refusesWhatIsNoSettingsFile_data();
    void refusesWhatIsNoSettingsFile();
    void writesOnlyOverASettingsFile_data();
    void writesOnlyOverASettingsFile();
};

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

void TestProfileFile::readsOneKey_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value"); // "<none>" when missing

    const QByteArray two = "[Character Types]\nAngel=1\nDemon=0\n[Resource Types]\nSongs=0\n";
    QTest::newRow("plain") << two << "Character Types"_ba
                           << "Demon"_ba
                           << "0"_ba;
    QTest::newRow("second section") << two << "Resource Types"_ba
                                    << "Songs"_ba
                                    << "0"_ba;
    QTest::newRow("names ignore case") << two << "resource TYPES"_ba
                                       << "sONGS"_ba
                                       << "0"_ba;
    QTest::newRow("key of another section") << two << "Resource Types"_ba
                                            << "Angel"_ba
                                            << "<none>"_ba;
    QTest::newRow("missing section") << two << "Other"_ba
                                     << "Angel"_ba
                                     << "<none>"_ba;
    QTest::newRow("blanks around") << "  [ Types ]  \r\n  Angel  =  0  \r\n"_ba
                                   << "Types"_ba
                                   << "Angel"_ba
                                   << "0"_ba;
    QTest::newRow("empty value") << "[T]\nAngel=\n"_ba
                                 << "T"_ba
                                 << "Angel"_ba
                                 << ""_ba;
    QTest::newRow("commented key") << "[T]\n;Angel=0\n#Angel=0\n"_ba
                                   << "T"_ba
                                   << "Angel"_ba
                                   << "<none>"_ba;
    QTest::newRow("first duplicate wins") << "[T]\nAngel=0\nAngel=1\n"_ba
                                          << "T"_ba
                                          << "Angel"_ba
                                          << "0"_ba;
    QTest::newRow("prefix is no match") << "[T]\nAngels=0\n"_ba
                                        << "T"_ba
                                        << "Angel"_ba
                                        << "<none>"_ba;
    QTest::newRow("value with equals") << "[T]\nA=b=c\n"_ba
                                       << "T"_ba
                                       << "A"_ba
                                       << "b=c"_ba;
    QTest::newRow("no final line end") << "[T]\nA=7"_ba
                                       << "T"_ba
                                       << "A"_ba
                                       << "7"_ba;
    QTest::newRow("key before any section") << "A=1\n[T]\n"_ba
                                            << "T"_ba
                                            << "A"_ba
                                            << "<none>"_ba;
    QTest::newRow("unclosed header") << "[T\nA=1\n"_ba
                                     << "T"_ba
                                     << "A"_ba
                                     << "<none>"_ba;
    QTest::newRow("binary junk") << "\0\xff[T]\nA=0\n[T]\nA=\xfe\n"_ba
                                 << "T"_ba
                                 << "A"_ba
                                 << "\xfe"_ba;
}

void TestProfileFile::readsOneKey()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QCOMPARE(ProfileText::value(content, section, key).value_or("<none>"_ba), value);
}

void TestProfileFile::storesOneKeyKeepingEveryOtherLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("after");

    const QByteArray commented = "; my settings\r\n[Character Types]\r\nAngel=1\r\n"
                                 "Extra=keep me\r\n\r\n[Resource Types]\r\n# note\r\nSongs=1\r\n";
    QTest::newRow("replaced where it stands, CRLF kept")
        << commented << "Character Types"_ba
        << "Angel"_ba
        << "; my settings\r\n[Character Types]\r\nAngel=0\r\n"
           "Extra=keep me\r\n\r\n[Resource Types]\r\n# note\r\nSongs=1\r\n"_ba;
    QTest::newRow("missing key at the end of its section")
        << commented << "character types"_ba
        << "Demon"_ba
        << "; my settings\r\n[Character Types]\r\nAngel=1\r\n"
           "Extra=keep me\r\nDemon=0\r\n\r\n[Resource Types]\r\n# note\r\nSongs=1\r\n"_ba;
    QTest::newRow("missing key in the last section")
        << commented << "Resource Types"_ba
        << "Skills"_ba
        << "; my settings\r\n[Character Types]\r\nAngel=1\r\n"
           "Extra=keep me\r\n\r\n[Resource Types]\r\n# note\r\nSongs=1\r\nSkills=0\r\n"_ba;
    QTest::newRow("spelling of the stored key kept") << "[T]\nANGEL = 1 \nx\n"_ba
                                                     << "t"_ba
                                                     << "angel"_ba
                                                     << "[T]\nANGEL =0\nx\n"_ba;
    QTest::newRow("missing section at the end") << "[A]\nk=1\n"_ba
                                                << "B"_ba
                                                << "Songs"_ba
                                                << "[A]\nk=1\n\n[B]\nSongs=0\n"_ba;
    QTest::newRow("no final line end") << "[A]\nk=1"_ba
                                       << "A"_ba
                                       << "j"_ba
                                       << "[A]\nk=1\nj=0\n"_ba;
    QTest::newRow("empty section") << "[A]\n[B]\nx=1\n"_ba
                                   << "A"_ba
                                   << "k"_ba
                                   << "[A]\nk=0\n[B]\nx=1\n"_ba;
    QTest::newRow("only the first duplicate") << "[A]\nk=1\nk=1\n"_ba
                                              << "A"_ba
                                              << "k"_ba
                                              << "[A]\nk=0\nk=1\n"_ba;
    QTest::newRow("empty file") << QByteArray() << "A"_ba
                                << "k"_ba
                                << "[A]\nk=0\n"_ba;
}

void TestProfileFile::storesOneKeyKeepingEveryOtherLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, after);
    QCOMPARE(ProfileText::withValue(before, section, key, "0"), after);
}

void TestProfileFile::storeReadsBackAndTouchesNoOtherKey()
{
    // Random texts built from the pieces a settings file is made of, damaged ones included.
    const QList<QByteArray> pieces = {"[S]", "[ s ]", "[T]", "K=1", " k = 0 ", "K2=5", "\n", "\r\n",
                                      "\r",  " ",     ";",   "#",   "=",       "[",    "]",  "x"};
    QRandomGenerator random(7);
    for (int round = 0; round < 5000; ++round) {
        QByteArray before;
        for (int n = random.bounded(30); n > 0; --n)
            before += pieces.at(random.bounded(int(pieces.size())));
        const QByteArray after = ProfileText::withValue(before, "S", "K", "7");
        const auto context = qPrintable(QString::fromLatin1(before.toPercentEncoding()));
        QVERIFY2(ProfileText::value(after, "s", "k") == QByteArray("7"), context);
        QVERIFY2(ProfileText::value(after, "S", "K2") == ProfileText::value(before, "S", "K2"),
                 context);
        QVERIFY2(ProfileText::value(after, "T", "K") == ProfileText::value(before, "T", "K"),
                 context);
        // Storing the same value again changes nothing.
        QVERIFY2(ProfileText::withValue(after, "S", "K", "7") == after, context);
    }
}

void TestProfileFile::createsAMissingFileInTheOrderOfTheStores()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"quillmark.ini"_s);
    ProfileFile::writeString(path, u"Character Types"_s, u"Angel"_s, u"1"_s);
    ProfileFile::writeString(path, u"Character Types"_s, u"Demon"_s, u"1"_s);
    ProfileFile::writeString(path, u"Resource Types"_s, u"Songs"_s, u"1"_s);
    ProfileFile::writeString(path, u"Resource Types"_s, u"Discords"_s, u"0"_s);
    QCOMPARE(readAll(path), "[Character Types]\nAngel=1\nDemon=1\n\n"
                            "[Resource Types]\nSongs=1\nDiscords=0\n"_ba);
    QCOMPARE(ProfileFile::readString(path, u"resource types"_s, u"DISCORDS"_s, u"d"_s), u"0"_s);

    // One write of the same entries gives the same file.
    const QString once = dir.filePath(u"once.ini"_s);
    ProfileFile::writeStrings(once, {{u"Character Types"_s, u"Angel"_s, u"1"_s},
                                     {u"Character Types"_s, u"Demon"_s, u"1"_s},
                                     {u"Resource Types"_s, u"Songs"_s, u"1"_s},
                                     {u"Resource Types"_s, u"Discords"_s, u"0"_s}});
    QCOMPARE(readAll(once), readAll(path));
}

void TestProfileFile::missingFileReadsAsTheDefault()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"none.ini"_s);
    QCOMPARE(ProfileFile::readString(path, u"A"_s, u"k"_s, u"fallback"_s), u"fallback"_s);
    QVERIFY(ProfileFile::readBool(path, u"A"_s, u"k"_s, true));
    QVERIFY(!QFile::exists(path));
    // A folder where the file should be reads as missing too.
    QVERIFY(QDir(dir.path()).mkdir(u"none.ini"_s));
    QVERIFY(ProfileFile::readBool(path, u"A"_s, u"k"_s, true));
}

void TestProfileFile::readsSwitches_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("on");
    QTest::newRow("0") << "k=0"_ba << false;
    QTest::newRow("00") << "k=00"_ba << false;
    QTest::newRow("0x0") << "k=0x0"_ba << false;
    QTest::newRow("0X0") << "k=0X0"_ba << false;
    QTest::newRow("$0") << "k=$0"_ba << false;
    QTest::newRow("-0") << "k=-0"_ba << false;
    QTest::newRow("blanks around 0") << "k = 0 "_ba << false;
    QTest::newRow("1") << "k=1"_ba << true;
    QTest::newRow("2") << "k=2"_ba << true;
    QTest::newRow("-1") << "k=-1"_ba << true;
    QTest::newRow("0x10") << "k=0x10"_ba << true;
    QTest::newRow("no") << "k=no"_ba << true;
    QTest::newRow("false") << "k=false"_ba << true;
    QTest::newRow("empty") << "k="_ba << true;
    QTest::newRow("missing") << "other=0"_ba << true;
    QTest::newRow("0 with a comment") << "k=0 ; off"_ba << true;
    QTest::newRow("beyond 32 bits") << "k=4294967296"_ba << true;
}

void TestProfileFile::readsSwitches()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, on);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"quillmark.ini"_s);
    writeAll(path, "[Resource Types]\n"_ba + line + '\n');
    QCOMPARE(ProfileFile::readBool(path, u"Resource Types"_s, u"k"_s, true), on);
}

void TestProfileFile::unwritableTargetRaisesAndLeavesNoTrace_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("folderInTheWay");
    QTest::newRow("folder where the file should be") << u"quillmark.ini"_s << true;
    QTest::newRow("missing folder") << u"missing/quillmark.ini"_s << false;
}

void TestProfileFile::unwritableTargetRaisesAndLeavesNoTrace()
{
    QFETCH(QString, relative);
    QFETCH(bool, folderInTheWay);
    QTemporaryDir dir;
    const QString path = dir.filePath(relative);
    if (folderInTheWay)
        QVERIFY(QDir(dir.path()).mkdir(relative));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    try {
        ProfileFile::writeString(path, u"A"_s, u"k"_s, u"1"_s);
        QFAIL("no error raised");
    } catch (const QuillError &error) {
        QCOMPARE(error.message(), u"Unable to write to "_s + path);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

void TestProfileFile::keepsThePermissionsOfTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"quillmark.ini"_s);
    writeAll(path, "[Resource Types]\nSongs=1\n");
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, permissions));
    ProfileFile::writeString(path, u"Resource Types"_s, u"Songs"_s, u"0"_s);
    QCOMPARE(readAll(path), "[Resource Types]\nSongs=0\n"_ba);
    // Owner, group and others; the "user" bits repeat the owner's for the file's owner.
    const QFile::Permissions ownerGroupOther(0x7077);
    QCOMPARE(QFile::permissions(path) & ownerGroupOther, permissions);
}

void TestProfileFile::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"quillmark.ini"_s);
    const QByteArray old = "[Resource Types]\n; " + QByteArray(64 * 1024, 'x') + "\nSongs=1\n";
    writeAll(path, old);

    // A file-size limit makes the write fail as a full disk would, also for root.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool raised = false;
    try {
        ProfileFile::writeString(path, u"Resource Types"_s, u"Songs"_s, u"0"_s);
    } catch (const QuillError &error) {
        raised = error.message() == u"Unable to write to "_s + path;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(raised);
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"quillmark.ini"_s});
}

void TestProfileFile::writeThatWouldPassTheReadLimitIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"quillmark.ini"_s);
    // 100 bytes under the 1 MB limit; the new section and key take more than that.
    const QByteArray comments = QByteArray(1048476 - 1, ';') + '\n';
    writeAll(path, comments);
    QString error;
    try {
        ProfileFile::writeString(path, u"Resource Types"_s, u"Songs"_s, QString(100, u'1'));
    } catch (const QuillError &e) {
        error = e.message();
    }
    QCOMPARE(error,
             u"Unable to write to %1: the settings would take 1,048,601 bytes, more than the "
             u"1,048,576 bytes a settings file may hold; the file was left as it was"_s.arg(path));
    QVERIFY(readAll(path) == comments);
}

void TestProfileFile::refusesWhatIsNoSettingsFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    QTest::newRow("pipe") << u"fifo"_s << u"it is a named pipe, not a regular file"_s;
    QTest::newRow("pipe with a writer")
        << u"fifo with a writer"_s << u"it is a named pipe, not a regular file"_s;
    QTest::newRow("/dev/zero") << u"link to /dev/zero"_s << u"it is a device, not a regular file"_s;
    QTest::newRow("100 MB") << u"sparse 104857600"_s
                            << u"it is too large: 100.0 MB, where a settings file may have at "
                               u"most 1 MB"_s;
}

// Read and write alike leave such a file alone; the write raises, as for an unreadable file.
void TestProfileFile::refusesWhatIsNoSettingsFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"quillmark.ini"_s);
    const int keep = makeSpecialFile(path, kind);
    QVERIFY(keep != -2);
    const QFileInfo before(path);
    ProfileFile::Content content;
    QString error;
    {
        Watchdog watchdog(QTest::currentDataTag());
        content = ProfileFile::load(path);
        QVERIFY(ProfileFile::readBool(path, u"Resource Types"_s, u"Songs"_s, true));
        try {
            ProfileFile::writeString(path, u"Resource Types"_s, u"Songs"_s, u"0"_s);
        } catch (const QuillError &e) {
            error = e.message();
        }
    }
    if (keep >= 0)
        ::close(keep);
    QCOMPARE(int(content.state), int(ProfileFile::Content::State::Refused));
    QCOMPARE(content.refusal, why);
    QVERIFY(content.bytes.isEmpty());
    QCOMPARE(error, u"Unable to write to "_s + path);
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    QCOMPARE(after.size(), before.size());
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{u"quillmark.ini"_s});
}

// "link" names a link to "target", which holds `content` unless it is null.
void TestProfileFile::writesOnlyOverASettingsFile_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("why");
    const QString notSettings = u"it exists and is not a settings file"_s;
    QTest::newRow("link to a binary file") << true
                                           << "\x7f"
                                              "ELF\x02\x01\n\0\0"_ba
                                           << notSettings;
    QTest::newRow("link to a missing file")
        << true << QByteArray() << u"it is a link to a missing file"_s;
    QTest::newRow("a line that is no setting")
        << false << "[Character Types]\nAngel=1\nrm -rf\n"_ba << notSettings;
    QTest::newRow("settings of another program") << false << "[Colours]\nred=1\n"_ba << notSettings;
    QTest::newRow("a character file")
        << true << "Ann\r\n0\r\n" + QByteArray("0\r\n").repeated(15) + "*\r\n"_ba.repeated(10)
        << u"it is a character file, which only Save replaces"_s;
    QTest::newRow("link to a settings file")
        << true << "[Resource Types]\nSongs=1\n"_ba << QString();
    QTest::newRow("an empty file") << false << ""_ba << QString();
}

void TestProfileFile::writesOnlyOverASettingsFile()
{
    QFETCH(bool, link);
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"quillmark.ini"_s);
    const QString target = link ? dir.filePath(u"target"_s) : path;
    if (!content.isNull())
        writeAll(target, content);
    if (link)
        QVERIFY(QFile::link(target, path));
    QString error;
    try {
        ProfileFile::writeString(path, u"Resource Types"_s, u"Songs"_s, u"0"_s);
    } catch (const QuillError &e) {
        error = e.message();
    }
    QCOMPARE(error, why.isEmpty() ? QString() : u"Unable to write to %1: %2"_s.arg(path, why));
    QCOMPARE(QFileInfo(path).isSymLink(), link);
    if (why.isEmpty())
        QCOMPARE(ProfileFile::readString(path, u"Resource Types"_s, u"Songs"_s, {}), u"0"_s);
    else
        QCOMPARE(readAll(target), content.isNull() ? "<unreadable>"_ba : content);
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
