// quillmark --json, --markdown and --text behind the command line: what OUT may replace, and the
// batch into a folder.
#include "cli/Batch.h"
#include "cli/CommandLine.h"
#include "common/ReplaceRule.h"
#include "files/SheetSamples.h"
#include "sheet/CharacterSheet.h"
#include "support/TemporaryCurrentFolder.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Format = SheetExports::Format;

class TestExportCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void whatOutMayReplace_data();
    void whatOutMayReplace();
    void severalFilesGoIntoTheFolder();

private:
    TemporaryCurrentFolder m_folder;
};

void TestExportCommand::init()
{
    QVERIFY(m_folder.enter());
}

void TestExportCommand::cleanup()
{
    m_folder.leave();
}

void TestExportCommand::whatOutMayReplace_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("out");
    QTest::addColumn<int>("status");
    QTest::addRow("a new name") << Format::Json << u"new.json"_s << 0;
    QTest::addRow("an earlier JSON export") << Format::Json << u"older.json"_s << 0;
    QTest::addRow("an earlier Markdown export") << Format::Markdown << u"older.md"_s << 0;
    QTest::addRow("an earlier text export") << Format::Text << u"older.txt"_s << 0;
    QTest::addRow("the character file itself") << Format::Json << u"hero.qmc"_s << 1;
    QTest::addRow("another character file") << Format::Markdown << u"other.qmc"_s << 1;
    QTest::addRow("a character file named as an export") << Format::Text << u"other.txt"_s << 1;
    QTest::addRow("a link to a character file") << Format::Json << u"link.json"_s << 1;
    QTest::addRow("a link to nothing") << Format::Json << u"nothing.json"_s << 1;
    QTest::addRow("the layout") << Format::Text << u"qmsheet.rav"_s << 1;
    QTest::addRow("the settings file") << Format::Text << u"quillmark.ini"_s << 1;
    QTest::addRow("notes of the player's") << Format::Text << u"notes.txt"_s << 1;
    QTest::addRow("notes with an export pasted below") << Format::Markdown << u"wiki.md"_s << 1;
    QTest::addRow("an export of the earlier version") << Format::Markdown << u"first.md"_s << 0;
    QTest::addRow("an export of another format") << Format::Text << u"older.md"_s << 1;
    QTest::addRow("JSON without the marker") << Format::Json << u"plain.json"_s << 1;
    QTest::addRow("the marker as a value, not a key") << Format::Json << u"value.json"_s << 1;
}

void TestExportCommand::whatOutMayReplace()
{
    QFETCH(Format, format);
    QFETCH(QString, out);
    QFETCH(int, status);
    const QByteArray character = CharacterFileFormat::encode(fullCharacter());
    QVERIFY(writeFile(u"hero.qmc"_s, character));
    QVERIFY(writeFile(u"other.qmc"_s, character));
    QVERIFY(writeFile(u"other.txt"_s, character));
    QVERIFY(QFile::link(u"other.qmc"_s, u"link.json"_s));
    QVERIFY(QFile::link(u"gone.json"_s, u"nothing.json"_s));
    QVERIFY(
        QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"), u"qmsheet.rav"_s));
    QVERIFY(writeFile(u"quillmark.ini"_s, "[Character Types]\r\nAngel=1\r\n"));
    QVERIFY(writeFile(u"notes.txt"_s, "Bring dice.\n"));
    QVERIFY(writeFile(u"older.json"_s, "{\n    \"characterPoints\": 0,\n    \"choirBand\": \"\",\n"
                                       "    \"format\": \"quillmark-character\",\n}\n"));
    CharacterSheet older;
    const QByteArray olderMarkdown = SheetExports::write(Format::Markdown, older);
    QVERIFY(writeFile(u"older.md"_s, olderMarkdown));
    QVERIFY(writeFile(u"older.txt"_s, SheetExports::write(Format::Text, older)));
    QVERIFY(writeFile(u"wiki.md"_s, "# Our party\n\nBring dice.\n\n" + olderMarkdown));
    QVERIFY(writeFile(u"first.md"_s,
                      readFile(QStringLiteral(QUILLMARK_TEST_DATA "/exports/v1/full.md"))));
    QVERIFY(writeFile(u"plain.json"_s, "{\"name\": \"Old\"}\n"));
    QVERIFY(writeFile(u"value.json"_s, "{\n    \"notes\": [\n        \"format\": "
                                       "\"quillmark-character\",\n    ]\n}\n"));
    const QByteArray old = readFile(out);

    const CommandLine::Request request{
        .files = {u"hero.qmc"_s}, .exportFormat = format, .exportOut = out};
    QCOMPARE(Batch::run(request), status);
    const QByteArray now = readFile(out);
    if (status != 0) {
        QCOMPARE(now, old);
        QVERIFY(!QFile::exists(u"gone.json"_s));
    } else {
        QCOMPARE(OutsideFile::recognises(SheetExports::earlierExport(format), now), true);
        QVERIFY(now.contains("Zo\xc3\xab \xc3\x85ngstr\xc3\xb6m"));
    }
}

// Each file gets NAME plus the format's extension; two files of one name give one export and a
// refusal, and the others still run.
void TestExportCommand::severalFilesGoIntoTheFolder()
{
    const QByteArray character = CharacterFileFormat::encode(fullCharacter());
    QVERIFY(QDir().mkpath(u"a"_s) && QDir().mkpath(u"b"_s) && QDir().mkpath(u"out"_s));
    QVERIFY(writeFile(u"a/hero.qmc"_s, character));
    QVERIFY(writeFile(u"b/hero.qmc"_s, character));
    QVERIFY(writeFile(u"b/Loud.QMC"_s, character));
    const CommandLine::Request request{.files = {u"a/hero.qmc"_s, u"b/hero.qmc"_s, u"b/Loud.QMC"_s},
                                       .exportFormat = Format::Markdown,
                                       .exportOut = u"out"_s,
                                       .exportIntoFolder = true};
    QStringList refusals;
    for (const Batch::Job &job : Batch::plan(request))
        refusals << job.refusal;
    QCOMPARE(refusals,
             (QStringList{QString(),
                          u"its export out/hero.md is also the export of an earlier file; "
                          u"nothing was written."_s,
                          QString()}));
    QCOMPARE(Batch::run(request), 1);
    QCOMPARE(QDir(u"out"_s).entryList(QDir::Files), (QStringList{u"hero.md"_s, u"Loud.md"_s}));
    QVERIFY(readFile(u"out/Loud.md"_s).startsWith("# Zo\xc3\xab"));
}

QTEST_MAIN(TestExportCommand)
#include "tst_export_command.moc"
