// Character files that are not what Open expects: a device, a named pipe with or without a
// writer, a socket, a file far larger than any character. Each is refused at once with a message
// that names the file and says why, and the sheet stays as it was. Every row runs under a
// watchdog, so a read that blocks or runs away ends the program instead of hanging the suite.
#include "common/OutsideFile.h"
#include "common/QuillError.h"
#include "fault/PipesAndDevices.h"
#include "fault/Watchdog.h"
#include "files/CharacterFile.h"
#include "files/FileCommands.h"
#include "sheet/CharacterSheet.h"
#include "support/ErrorOf.h"
#include "support/RecordingPrompter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPipesAndDevices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openRefusesWhatIsNoCharacterFile_data();
    void openRefusesWhatIsNoCharacterFile();
    void readsPastAStatedSizeOfNothing();
    void saveRefusesWhatIsNoRegularFile_data();
    void saveRefusesWhatIsNoRegularFile();
};

void TestPipesAndDevices::openRefusesWhatIsNoCharacterFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    const QString pipe = u"it is a named pipe, not a regular file"_s;
    const QString device = u"it is a device, not a regular file"_s;
    QTest::newRow("/dev/zero") << u"link to /dev/zero"_s << device;
    QTest::newRow("/dev/urandom") << u"link to /dev/urandom"_s << device;
    QTest::newRow("pipe without a writer") << u"fifo"_s << pipe;
    QTest::newRow("pipe whose writer writes nothing") << u"fifo with a writer"_s << pipe;
    QTest::newRow("socket") << u"socket"_s << u"it is a socket, not a regular file"_s;
    QTest::newRow("2 GB") << u"sparse 2147483648"_s
                          << u"it is too large: 2.0 GB, where a character file may have at most "
                             u"64 MB"_s;
    QTest::newRow("one byte over the limit")
        << u"sparse 67108865"_s
        << u"it is too large: 64.0 MB, where a character file may have at most 64 MB"_s;
}

void TestPipesAndDevices::openRefusesWhatIsNoCharacterFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, why);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = dir.filePath(u"hero.qmc"_s);
    const int keep = makeSpecialFile(name, kind);
    QVERIFY(keep != -2);

    CharacterSheet sheet;
    sheet.setText(SheetValue::CharacterName, u"Before"_s);
    sheet.setItems(SheetList::Songs, {u"Song"_s});
    const CharacterFile before = CharacterFile::fromSheet(sheet);
    RecordingPrompter prompter;
    QString error;
    {
        Watchdog watchdog(QTest::currentDataTag());
        try {
            FileCommands::load(sheet, name, prompter);
        } catch (const QuillError &e) {
            error = e.message();
        }
    }
    if (keep >= 0)
        ::close(keep);
    QCOMPARE(error, u"The character file \"%1\" cannot be read: %2"_s.arg(name, why));
    QCOMPARE(CharacterFile::fromSheet(sheet), before);
    QVERIFY(prompter.shown.isEmpty());
}

void TestPipesAndDevices::readsPastAStatedSizeOfNothing()
{
    // The files of /proc say they are empty; this one is well over the first buffer's margin.
    Watchdog watchdog("reading /proc/self/maps");
    const OutsideFile::Result maps =
        OutsideFile::read(u"/proc/self/maps"_s, OutsideFile::characterFile);
    QVERIFY(maps.ok());
    QVERIFY2(maps.bytes.size() > 8192, QByteArray::number(maps.bytes.size()));
    QVERIFY(maps.bytes.contains("libQt6Core"));
    QVERIFY(maps.bytes.endsWith('\n'));
}

void TestPipesAndDevices::saveRefusesWhatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("what");
    QTest::newRow("pipe without a reader") << u"fifo"_s << u"a named pipe"_s;
    // The test holds both ends and never reads: a write would block once the pipe is full.
    QTest::newRow("pipe whose reader never reads") << u"fifo with a writer"_s << u"a named pipe"_s;
    QTest::newRow("link to /dev/null") << u"link to /dev/null"_s << u"a device"_s;
    QTest::newRow("socket") << u"socket"_s << u"a socket"_s;
}

void TestPipesAndDevices::saveRefusesWhatIsNoRegularFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, what);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = dir.filePath(u"hero.qmc"_s);
    const int keep = makeSpecialFile(name, kind);
    QVERIFY(keep != -2);
    CharacterSheet sheet;
    // Far more than a pipe holds, so that a write into it could not finish.
    sheet.setItems(SheetList::Songs, QStringList(10000, u"A song of some length"_s));
    QString error;
    {
        Watchdog watchdog(QTest::currentDataTag());
        try {
            FileCommands::store(sheet, name);
        } catch (const QuillError &e) {
            error = e.message();
        }
    }
    char byte = 0;
    const bool pipeEmpty = keep < 0 || kind == u"socket"_s ||
                           (::fcntl(keep, F_SETFL, O_NONBLOCK) == 0 && ::read(keep, &byte, 1) < 0);
    if (keep >= 0)
        ::close(keep);
    QCOMPARE(error, notSaved(name, u"it is %1, not a regular file"_s.arg(what)));
    QVERIFY(pipeEmpty);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{u"hero.qmc"_s});
    QCOMPARE(sheet.items(SheetList::Songs).size(), 10000);
}

QTEST_GUILESS_MAIN(TestPipesAndDevices)
#include "tst_pipes_and_devices.moc"
