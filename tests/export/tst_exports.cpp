#include "common/ReplaceRule.h"
#include "export/ExportTarget.h"
#include "export/SheetExports.h"
#include "export/SheetJson.h"
#include "export/SheetMarkdown.h"
#include "files/CharacterFile.h"
#include "files/SheetSamples.h"
#include "resources/ItemFields.h"
#include "sheet/CharacterSheet.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Format = SheetExports::Format;

// The three exports of a character: Markdown and text against files checked by eye, the JSON
// against the schema the program ships, read by a JSON Schema validator of its own.
class TestExports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesTheGoldenFile_data();
    void matchesTheGoldenFile();
    void jsonFollowsTheShippedSchema_data();
    void jsonFollowsTheShippedSchema();
    void itemIsReadIntoItsParts_data();
    void itemIsReadIntoItsParts();
    void numberStaysNumberOnlyWhenPlain_data();
    void numberStaysNumberOnlyWhenPlain();
    void markdownShowsTextAsTyped_data();
    void markdownShowsTextAsTyped();
    void earlierExportIsKnownByItsMarker_data();
    void earlierExportIsKnownByItsMarker();
    void noControlReachesAnExport_data();
    void noControlReachesAnExport();
    void windowExportKeepsTheProgramsFiles_data();
    void windowExportKeepsTheProgramsFiles();
};

namespace {

QByteArray exportOf(const QString &character, Format format)
{
    CharacterSheet sheet;
    fillSheet(sheet, CharacterFileFormat::decode(
                         readFile(QStringLiteral(QUILLMARK_TEST_DATA "/") + character)));
    return SheetExports::write(format, sheet);
}

// The validator's verdict on `instance`: its exit status and what it said.
std::pair<int, QByteArray> validate(const QByteArray &instance)
{
    QTemporaryDir folder;
    const QString schema = folder.filePath(u"schema.json"_s);
    const QString json = folder.filePath(u"character.json"_s);
    if (!writeFile(schema, readFile(QStringLiteral(QUILLMARK_SOURCE_DIR
                                                   "/data/quillmark-character.schema.json"))) ||
        !writeFile(json, instance))
        return {-1, "could not write the files"};
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(u"/usr/bin/python3"_s, {u"-m"_s, u"jsonschema"_s, u"-i"_s, json, schema});
    validator.waitForFinished(60000);
    return {validator.exitStatus() == QProcess::NormalExit ? validator.exitCode() : -1,
            validator.readAll()};
}

} // namespace

void TestExports::matchesTheGoldenFile_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("golden");

    QTest::newRow("full, Markdown") << u"files/full.qmc"_s << Format::Markdown << u"full.md"_s;
    QTest::newRow("full, text") << u"files/full.qmc"_s << Format::Text << u"full.txt"_s;
    QTest::newRow("full, JSON") << u"files/full.qmc"_s << Format::Json << u"full.json"_s;
    QTest::newRow("hero, Markdown") << u"exports/hero.qmc"_s << Format::Markdown << u"hero.md"_s;
    QTest::newRow("hero, text") << u"exports/hero.qmc"_s << Format::Text << u"hero.txt"_s;
    QTest::newRow("hero, JSON") << u"exports/hero.qmc"_s << Format::Json << u"hero.json"_s;
}

void TestExports::matchesTheGoldenFile()
{
    QFETCH(QString, character);
    QFETCH(Format, format);
    QFETCH(QString, golden);
    const QByteArray actual = exportOf(character, format);
    const QByteArray expected = readFile(QStringLiteral(QUILLMARK_TEST_DATA "/exports/") + golden);
    if (actual != expected) {
        // Kept for a look with diff.
        const QString kept = QDir::temp().filePath(u"quillmark-actual-"_s + golden);
        writeFile(kept, actual);
        QFAIL(qPrintable(u"differs from the golden file; the output is in "_s + kept));
    }
}

void TestExports::jsonFollowsTheShippedSchema_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("valid");

    const QByteArray full = exportOf(u"files/full.qmc"_s, Format::Json);
    const QByteArray hero = exportOf(u"exports/hero.qmc"_s, Format::Json);
    QTest::newRow("full") << full << true;
    QTest::newRow("hero") << hero << true;
    QByteArray levelAsList = hero;
    levelAsList.replace("\"level\": 3", "\"level\": [3]");
    QTest::newRow("a level that is a list is refused") << levelAsList << false;
    QByteArray partsMissing = hero;
    partsMissing.replace("\"status\": 3,", "");
    QTest::newRow("a role without its status is refused") << partsMissing << false;
}

void TestExports::jsonFollowsTheShippedSchema()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, valid);
    const auto [status, said] = validate(json);
    QVERIFY2(status == 0 || status == 1, said.constData());
    QVERIFY2((status == 0) == valid, said.constData());
}

void TestExports::itemIsReadIntoItsParts_data()
{
    QTest::addColumn<SheetList>("list");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parts"); // key=text, numbers marked with #

    QTest::newRow("song") << SheetList::Songs << u"Ethereal Song of Charm ,Level:2"_s
                          << u"name=Charm realm=Ethereal level#2 cost#2"_s;
    QTest::newRow("skill whose name holds the separator")
        << SheetList::Skills << u"Jump Level:1 Level:3"_s << u"name=Jump Level:1 level#3 cost#3"_s;
    QTest::newRow("vessel") << SheetList::Vessels
                            << u"Human ,Body Hits:12 ,Charisma:-1 Level:2 Cost:8"_s
                            << u"name=Human bodyHits#12 charisma#-1 level#2 cost#8"_s;
    QTest::newRow("role") << SheetList::Roles << u"Bartender, Level:2, Status:3, Cost:3"_s
                          << u"name=Bartender level#2 status#3 cost#3"_s;
    QTest::newRow("servant, nameless") << SheetList::Servants << u", Level:3, Class:1, Cost:2"_s
                                       << u"name= level#3 class#1 cost#2"_s;
    QTest::newRow("artifact") << SheetList::Artifacts
                              << u"Celestial Artifact of Lamp ,Level:2 ,Modifier:-1 ,Cost:5"_s
                              << u"name=Lamp realm=Celestial level#2 modifier#-1 cost#5"_s;
    QTest::newRow("discord") << SheetList::Discords
                             << u"Corporeal Discord of Limp ,Level:2 ,Cost:6"_s
                             << u"name=Limp realm=Corporeal level#2 cost#6"_s;
    QTest::newRow("superior attunement costs 10")
        << SheetList::SuperiorAttunements << u"Word"_s << u"name=Word cost#10"_s;
    QTest::newRow("distinction") << SheetList::Distinctions << u" Knight "_s << u"name= Knight "_s;
    QTest::newRow("hand-edited level")
        << SheetList::Skills << u"Climbing Level:high"_s << QString();
    QTest::newRow("unknown realm")
        << SheetList::Songs << u"Astral Song of X ,Level:1"_s << QString();
    QTest::newRow("role of another kind")
        << SheetList::Roles << u"Hound, Level:3, Class:1, Cost:2"_s << QString();
}

void TestExports::itemIsReadIntoItsParts()
{
    QFETCH(SheetList, list);
    QFETCH(QString, text);
    QFETCH(QString, parts);
    const auto fields = Resources::readItem(list, text);
    QCOMPARE(fields.has_value(), !parts.isNull());
    if (!fields)
        return;
    QStringList shown;
    for (const Resources::ItemField &f : *fields)
        shown << f.key + (f.number ? u'#' : u'=') + f.text;
    QCOMPARE(shown.join(u' '), parts);
}

void TestExports::numberStaysNumberOnlyWhenPlain_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("plain") << u"12"_s << QByteArray("[12]");
    QTest::newRow("negative") << u"-3"_s << QByteArray("[-3]");
    QTest::newRow("largest exact") << u"9007199254740991"_s << QByteArray("[9007199254740991]");
    QTest::newRow("one beyond") << u"9007199254740992"_s << QByteArray("[\"9007199254740992\"]");
    QTest::newRow("smallest exact") << u"-9007199254740991"_s << QByteArray("[-9007199254740991]");
    QTest::newRow("hand-edited") << u"abc"_s << QByteArray("[\"abc\"]");
    QTest::newRow("leading zero") << u"03"_s << QByteArray("[\"03\"]");
    QTest::newRow("plus sign") << u"+3"_s << QByteArray("[\"+3\"]");
    QTest::newRow("blank") << u" 3"_s << QByteArray("[\" 3\"]");
    QTest::newRow("empty") << QString() << QByteArray("[\"\"]");
}

void TestExports::numberStaysNumberOnlyWhenPlain()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, json);
    QCOMPARE(
        QJsonDocument(QJsonArray{SheetJson::numberOrText(text)}).toJson(QJsonDocument::Compact),
        json);
}

void TestExports::markdownShowsTextAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<SheetMarkdown::Place>("place");
    QTest::addColumn<QString>("markdown");
    const auto mid = SheetMarkdown::Place::Inline;
    const auto start = SheetMarkdown::Place::LineStart;

    QTest::newRow("emphasis") << u"*Bob*"_s << mid << u"\\*Bob\\*"_s;
    QTest::newRow("table cell and link") << u"a|[b](c)"_s << mid << u"a\\|\\[b\\](c)"_s;
    QTest::newRow("heading and its closing") << u"# x #"_s << mid << u"\\# x \\#"_s;
    QTest::newRow("negative number inline") << u"-2"_s << mid << u"-2"_s;
    QTest::newRow("ordered list") << u"12. x"_s << start << u"12\\. x"_s;
    QTest::newRow("number mid-text") << u"x 12. y"_s << start << u"x 12. y"_s;
    QTest::newRow("list and quote at the start only") << u"-a-b >c"_s << start << u"\\-a-b >c"_s;
    QTest::newRow("html and entity") << u"<b>&amp;"_s << mid << u"\\<b>\\&amp;"_s;
    QTest::newRow("blanks at the ends") << u" \tx "_s << mid << u"&#32;\\\\x09x&#32;"_s;
    QTest::newRow("controls and an override, written out")
        << u"a\u001b[2J\u202eb"_s << mid << u"a\\\\x1b\\[2J\\\\u202eb"_s;
    QTest::newRow("what GitHub alone would link")
        << u"www.x.org http://y.org"_s << mid << u"www\\.x.org http\\://y.org"_s;
    QTest::newRow("plain words and commas")
        << u"Song of Charm ,Level:2"_s << mid << u"Song of Charm ,Level:2"_s;
}

void TestExports::markdownShowsTextAsTyped()
{
    QFETCH(QString, text);
    QFETCH(SheetMarkdown::Place, place);
    QFETCH(QString, markdown);
    QCOMPARE(SheetMarkdown::escaped(text, place), markdown);
}

void TestExports::earlierExportIsKnownByItsMarker_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isExport");

    const QByteArray character = readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc"));
    const QByteArray notes = "My notes\n\nBring dice.\n\n";
    for (Format f : {Format::Json, Format::Markdown, Format::Text}) {
        const QByteArray name = SheetExports::extension(f).toLatin1();
        const QByteArray written = exportOf(u"files/full.qmc"_s, f);
        QTest::newRow(name + ": an export") << f << written << true;
        QTest::newRow(name + ": a character file") << f << character << false;
        QTest::newRow(name + ": empty") << f << QByteArray() << false;
        if (f == Format::Json)
            continue;
        const QByteArray v1 = readFile(QStringLiteral(QUILLMARK_TEST_DATA "/exports/v1/full.") +
                                       QString::fromLatin1(name));
        QTest::newRow(name + ": a version-1 export") << f << v1 << true;
        QTest::newRow(name + ": notes with an export pasted below")
            << f << notes + written << false;
        QTest::newRow(name + ": notes with a version-1 export pasted below")
            << f << notes + v1 << false;
        QByteArray edited = written;
        edited.replace("Zo\xc3\xab", "Zoe");
        QTest::newRow(name + ": an export edited since") << f << edited << false;
    }
    CharacterSheet sheet;
    QTest::newRow("md: the clipboard's copy")
        << Format::Markdown << SheetMarkdown::copy(sheet) << false;
    const QByteArray md = "# x\n\n<!-- Quillmark character export: Markdown, version 1 -->";
    QTest::newRow("md: version 1 ending in CR LF") << Format::Markdown << md + "\r\n" << true;
    QTest::newRow("md: marker not last") << Format::Markdown << md + "\nmore\n" << false;
    QTest::newRow("md: version 1 under a paragraph")
        << Format::Markdown << "# x\nMy own words.\n" + md.sliced(4) << false;
    QTest::newRow("txt: the Markdown marker") << Format::Text << md + "\n" << false;
    QTest::newRow("json: another format")
        << Format::Json << QByteArray(R"({"format": "quillmark-characters"})") << false;
    QTest::newRow("json: a list") << Format::Json << QByteArray(R"(["quillmark-character"])")
                                  << false;
}

void TestExports::earlierExportIsKnownByItsMarker()
{
    QFETCH(Format, format);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isExport);
    QCOMPARE(OutsideFile::recognises(SheetExports::earlierExport(format), bytes), isExport);
}

void TestExports::noControlReachesAnExport_data()
{
    QTest::addColumn<Format>("format");
    QTest::newRow("JSON") << Format::Json;
    QTest::newRow("Markdown") << Format::Markdown;
    QTest::newRow("text") << Format::Text;
}

// A character file may carry what a terminal obeys: a window title, a clipboard write (OSC 52),
// a screen clear and a reset, C1's CSI, a backspace, NUL, DEL and the direction controls. None
// reaches an export raw; the JSON still gives every character back.
void TestExports::noControlReachesAnExport()
{
    QFETCH(Format, format);
    const QString hostile = u"A\u001b]0;owned\u0007B\u001b]52;c;ZWNobw==\u0007C\u001bc\u009b2J"
                            u"\b\u0000\u007f\u202eD\u2066E\u2069\u202a"_s;
    CharacterSheet sheet;
    sheet.setText(SheetValue::CharacterName, hostile);
    sheet.setText(SheetValue::Superior, hostile);
    sheet.setText(SheetValue::Will, hostile);
    for (SheetList list : SheetNames::allLists())
        sheet.setItems(list, {hostile, u"Ethereal Song of "_s + hostile + u" ,Level:1"_s});
    const QByteArray bytes = SheetExports::write(format, sheet);
    for (const char *raw : {"\x1b", "\x07", "\b", "\x7f", "\xc2\x9b", "\xe2\x80\xae",
                            "\xe2\x80\xaa", "\xe2\x81\xa6", "\xe2\x81\xa9"})
        QVERIFY2(!bytes.contains(raw), bytes.toPercentEncoding(" \n").constData());
    QVERIFY(!bytes.contains('\0'));
    for (char c : bytes)
        QVERIFY2(uchar(c) >= 0x20 || c == '\n', bytes.toPercentEncoding(" \n").constData());
    if (format == Format::Json)
        QCOMPARE(QJsonDocument::fromJson(bytes)[u"superior"_s].toString(), hostile);
    else
        QVERIFY(bytes.contains(format == Format::Markdown ? "\\\\u202eD" : "\\u202eD"));
}

void TestExports::windowExportKeepsTheProgramsFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("replaced");
    const QByteArray layout = readFile(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"));
    QTest::newRow("the layout") << layout << false;
    QTest::newRow("a layout behind a comment")
        << "<!-- mine -->\n<project>\n</project>\n" + QByteArray(5000, ' ') << false;
    QTest::newRow("a layout whose start is a long comment")
        << "<?xml version=\"1.0\"?>\n<!--" + QByteArray(2 << 20, 'x') + "-->\n<project/>" << false;
    QTest::newRow("a settings file")
        << QByteArray("; mine\r\n[Resource Types]\r\nSongs=0\r\n") << false;
    QTest::newRow("notes") << QByteArray("Bring dice.\n") << true;
    QTest::newRow("other XML") << QByteArray("<?xml version=\"1.0\"?><html/>") << true;
    QTest::newRow("a section heading over prose")
        << QByteArray("[Character Types]\nwho we play\n") << true;
    QTest::newRow("empty") << QByteArray() << true;
}

// From the window the dialog has asked, so any file may be replaced but the layout and the
// settings file, known as their own readers know them.
void TestExports::windowExportKeepsTheProgramsFiles()
{
    QFETCH(QByteArray, bytes);
    QTEST(OutsideFile::recognises(ExportTarget::windowExport, bytes), "replaced");
}

QTEST_GUILESS_MAIN(TestExports)
#include "tst_exports.moc"
