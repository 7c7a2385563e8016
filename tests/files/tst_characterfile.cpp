#include "common/QuillError.h"
#include "files/CharacterFile.h"
#include "files/SheetSamples.h"
#include "sheet/CharacterSheet.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCharacterFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshSheetIsTheGoldenFile();
    void fullSheetIsTheGoldenFile();
    void goldenFileReadsBackTheFullSheet();
    void breaksInsideValuesAreWrittenAsBlanks();
    void typeLine_data();
    void typeLine();
    void typeLineThatIsNoInteger_data();
    void typeLineThatIsNoInteger();
    void valueLengths_data();
    void valueLengths();
    void lineEnds_data();
    void lineEnds();
    void encodings_data();
    void encodings();
    void ctrlZEndsTheFile();
    void onlyAnExactStarEndsAList();
    void linesAfterTheTenthMarkerAreIgnored();
    void fileEndingEarly_data();
    void fileEndingEarly();
    void itemsInAllListsAreCounted_data();
    void itemsInAllListsAreCounted();
};

static QByteArray golden(const char *name)
{
    return readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/") + QLatin1StringView(name));
}

void TestCharacterFile::freshSheetIsTheGoldenFile()
{
    CharacterSheet sheet;
    const QByteArray bytes = CharacterFileFormat::encode(CharacterFile::fromSheet(sheet));
    QCOMPARE(bytes.count("\r\n"), 27);
    QCOMPARE(bytes, golden("fresh.qmc"));
}

void TestCharacterFile::fullSheetIsTheGoldenFile()
{
    CharacterSheet sheet;
    fillSheet(sheet, fullCharacter());
    QCOMPARE(CharacterFileFormat::encode(CharacterFile::fromSheet(sheet)), golden("full.qmc"));
}

void TestCharacterFile::goldenFileReadsBackTheFullSheet()
{
    const CharacterFile file = CharacterFileFormat::decode(golden("full.qmc"));
    QCOMPARE(file.texts, fullCharacter().texts);
    QCOMPARE(file.lists, fullCharacter().lists);
    QCOMPARE(file.typeIndex, 0);
    QVERIFY(file.complete);
}

void TestCharacterFile::breaksInsideValuesAreWrittenAsBlanks()
{
    CharacterFile file;
    file.text(SheetValue::CharacterName) = u"Two\r\nlines\rand\nmore\x1a"_s;
    file.list(SheetList::Songs) = {u"*\n"_s};
    const CharacterFile back = CharacterFileFormat::decode(CharacterFileFormat::encode(file));
    QCOMPARE(back.text(SheetValue::CharacterName), u"Two  lines and more "_s);
    QCOMPARE(back.list(SheetList::Songs), QStringList{u"* "_s});
    QCOMPARE(back.list(SheetList::Skills), QStringList());
    QVERIFY(back.complete);
}

void TestCharacterFile::typeLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("index");
    QTest::newRow("none") << QByteArray("-1") << -1;
    QTest::newRow("angel") << QByteArray("0") << 0;
    QTest::newRow("mundane") << QByteArray("7") << 7;
    QTest::newRow("8 becomes mundane") << QByteArray("8") << 7;
    QTest::newRow("9 becomes mundane") << QByteArray("9") << 7;
    QTest::newRow("huge becomes mundane") << QByteArray("2147483647") << 7;
    QTest::newRow("-7 becomes none") << QByteArray("-7") << -1;
    QTest::newRow("hexadecimal") << QByteArray("$3") << 3;
}

void TestCharacterFile::typeLine()
{
    QFETCH(QByteArray, line);
    QFETCH(int, index);
    QCOMPARE(CharacterFileFormat::decode(joinLines(plainLines(line))).typeIndex, index);
}

void TestCharacterFile::typeLineThatIsNoInteger_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("word") << joinLines(plainLines("Angel"))
                          << u"'Angel' is not a valid integer value"_s;
    QTest::newRow("blank before digit")
        << joinLines(plainLines(" 3")) << u"' 3' is not a valid integer value"_s;
    QTest::newRow("empty file") << QByteArray() << u"'' is not a valid integer value"_s;
    QTest::newRow("name only") << QByteArray("Name\r\n") << u"'' is not a valid integer value"_s;
    // A long line is quoted in part, with its length in characters as the window would read it.
    QTest::newRow("60 letters, whole")
        << joinLines(plainLines(QByteArray(60, 'x')))
        << u"'%1' is not a valid integer value"_s.arg(QString(60, u'x'));
    QTest::newRow("61 digits, in part")
        << joinLines(plainLines(QByteArray(61, '9')))
        << u"'%1…' (61 characters) is not a valid integer value"_s.arg(QString(60, u'9'));
    QTest::newRow("UTF-8, counted in characters")
        << joinLines(plainLines(QByteArray("\xc3\xab").repeated(1000)))
        << u"'%1…' (1,000 characters) is not a valid integer value"_s.arg(QString(60, u'ë'));
    QTest::newRow("Windows-1252, counted in bytes")
        << joinLines(plainLines(QByteArray("\xe9").repeated(100) + "\x80"))
        << u"'%1…' (101 characters) is not a valid integer value"_s.arg(QString(60, u'é'));
    QTest::newRow("a pair not cut in two")
        << joinLines(plainLines(QByteArray(59, '9') + QByteArray("\xf0\x9f\x98\x80").repeated(2)))
        << u"'%1…' (63 characters) is not a valid integer value"_s.arg(QString(59, u'9'));
}

void TestCharacterFile::typeLineThatIsNoInteger()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    try {
        CharacterFileFormat::decode(bytes);
        QFAIL("no error raised");
    } catch (const QuillError &error) {
        QCOMPARE(error.message(), message);
    }
}

void TestCharacterFile::valueLengths_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("message");
    const QString tooLong = u"Line %1 of the character file is too long: '%2…' (%3 characters); a "
                            u"value may have at most 100,000 characters"_s;
    QTest::newRow("name at the limit") << 1 << QByteArray(100'000, 'a') << QString();
    QTest::newRow("name one over")
        << 1 << QByteArray(100'001, 'a') << tooLong.arg(u"1"_s, QString(60, u'a'), u"100,001"_s);
    QTest::newRow("Choir/Band of UTF-8, counted in characters")
        << 3 << QByteArray("\xc3\xab").repeated(100'001)
        << tooLong.arg(u"3"_s, QString(60, u'ë'), u"100,001"_s);
    QTest::newRow("Superior of UTF-8 at the limit, more bytes than the limit")
        << 4 << QByteArray("\xc3\xab").repeated(100'000) << QString();
    QTest::newRow("20,000,000 digits of points")
        << 15 << QByteArray(20'000'000, '7')
        << tooLong.arg(u"15"_s, QString(60, u'7'), u"20,000,000"_s);
    QTest::newRow("soul hits, the last value")
        << 17 << QByteArray(100'001, '1') << tooLong.arg(u"17"_s, QString(60, u'1'), u"100,001"_s);
}

void TestCharacterFile::valueLengths()
{
    QFETCH(int, line);
    QFETCH(QByteArray, value);
    QFETCH(QString, message);
    QList<QByteArray> lines = plainLines("0");
    lines[line - 1] = value;
    try {
        const CharacterFile file = CharacterFileFormat::decode(joinLines(lines));
        QVERIFY2(message.isEmpty(), "no error raised");
        QCOMPARE(file.text(line == 1 ? SheetValue::CharacterName : SheetValue(line - 2)),
                 QString::fromUtf8(value));
    } catch (const QuillError &error) {
        QCOMPARE(error.message(), message);
    }
}

void TestCharacterFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QList<QByteArray> lines = plainLines("2");
    QTest::newRow("CR LF") << joinLines(lines, "\r\n");
    QTest::newRow("LF") << joinLines(lines, "\n");
    QTest::newRow("CR") << joinLines(lines, "\r");
    QTest::newRow("no end after the last marker") << joinLines(lines, "\n").chopped(1);
    QByteArray mixed;
    for (qsizetype i = 0; i < lines.size(); ++i)
        mixed += lines[i] + QList<QByteArray>{"\r\n", "\n", "\r"}[i % 3];
    QTest::newRow("mixed") << mixed;
}

void TestCharacterFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    const CharacterFile file = CharacterFileFormat::decode(bytes);
    QCOMPARE(file, CharacterFileFormat::decode(joinLines(plainLines("2"))));
    QCOMPARE(file.text(SheetValue::CharacterName), u"Name"_s);
    QCOMPARE(file.typeIndex, 2);
    QCOMPARE(file.text(SheetValue::SoulHits), u"13"_s);
    QVERIFY(file.complete);
}

void TestCharacterFile::encodings_data()
{
    // Each line decides: a line that is not UTF-8 is Windows-1252, and the others stay UTF-8.
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("choir");
    QTest::addColumn<QString>("nameText");
    QTest::addColumn<QString>("choirText");
    QTest::newRow("ASCII") << QByteArray("Gabriel") << QByteArray("Ofanim") << u"Gabriel"_s
                           << u"Ofanim"_s;
    QTest::newRow("UTF-8") << QByteArray("Ren\xc3\xa9") << QByteArray("S\xc3\xa9raphim")
                           << u"René"_s << u"Séraphim"_s;
    QTest::newRow("Windows-1252 e acute")
        << QByteArray("Ren\xe9") << QByteArray("S\xe9raphim") << u"René"_s << u"Séraphim"_s;
    QTest::newRow("Windows-1252 euro and quotes")
        << QByteArray("\x80 \x93x\x94") << QByteArray("Ofanim") << u"€ \u201cx\u201d"_s
        << u"Ofanim"_s;
    QTest::newRow("UTF-8 text with one Windows-1252 byte")
        << QByteArray("Ren\xc3\xa9") << QByteArray("S\xe9raphim") << u"René"_s << u"Séraphim"_s;
    QTest::newRow("Windows-1252 bytes that happen to be valid UTF-8")
        << QByteArray("\xc3\xa9t\xc3\xa9") << QByteArray("caf\xe9") << u"été"_s << u"café"_s;
    QTest::newRow("byte-order mark only at the start")
        << QByteArray("\xef\xbb\xbfZo\xc3\xab") << QByteArray("\xef\xbb\xbfx") << u"Zoë"_s
        << u"\ufeffx"_s;
    QTest::newRow("UTF-8 byte-order mark dropped")
        << QByteArray("\xef\xbb\xbfZo\xc3\xab") << QByteArray("Ofanim") << u"Zoë"_s << u"Ofanim"_s;
}

void TestCharacterFile::encodings()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, choir);
    QFETCH(QString, nameText);
    QFETCH(QString, choirText);
    QList<QByteArray> lines = plainLines();
    lines[0] = name;
    lines[2] = choir;
    const CharacterFile file = CharacterFileFormat::decode(joinLines(lines));
    QCOMPARE(file.text(SheetValue::CharacterName), nameText);
    QCOMPARE(file.text(SheetValue::ChoirBand), choirText);
}

void TestCharacterFile::ctrlZEndsTheFile()
{
    QList<QByteArray> lines = plainLines();
    lines.insert(17, "Song 1");
    const QByteArray bytes =
        joinLines(lines.first(18)) + "Song\x1a 2\r\n" + joinLines(lines.mid(18));
    const CharacterFile file = CharacterFileFormat::decode(bytes);
    QCOMPARE(file.list(SheetList::ChoirBandAttunements), (QStringList{u"Song 1"_s, u"Song"_s}));
    QVERIFY(!file.complete);
}

void TestCharacterFile::onlyAnExactStarEndsAList()
{
    QList<QByteArray> lines = plainLines();
    lines.insert(17, " *");
    lines.insert(18, "* ");
    lines.insert(19, "**");
    const CharacterFile file = CharacterFileFormat::decode(joinLines(lines));
    QCOMPARE(file.list(SheetList::ChoirBandAttunements), (QStringList{u" *"_s, u"* "_s, u"**"_s}));
    QCOMPARE(file.list(SheetList::SuperiorAttunements), QStringList());
    QVERIFY(file.complete);
}

void TestCharacterFile::linesAfterTheTenthMarkerAreIgnored()
{
    const QByteArray extra = "More\r\n*\r\n\xff\xfe garbage\r\n";
    const CharacterFile file = CharacterFileFormat::decode(joinLines(plainLines()) + extra);
    QCOMPARE(file, CharacterFileFormat::decode(joinLines(plainLines())));
    QVERIFY(file.complete);
}

void TestCharacterFile::fileEndingEarly_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("soulHits");
    QTest::addColumn<QStringList>("songs");
    QTest::newRow("within the values") << 10 << QString() << QStringList();
    QTest::newRow("after the values") << 17 << u"13"_s << QStringList();
    QTest::newRow("within the songs") << 20 << u"13"_s << QStringList{u"Song A"_s};
    QTest::newRow("before the last marker")
        << 28 << u"13"_s << QStringList{u"Song A"_s, u"Song B"_s};
}

void TestCharacterFile::fileEndingEarly()
{
    QFETCH(int, lineCount);
    QFETCH(QString, soulHits);
    QFETCH(QStringList, songs);
    QList<QByteArray> lines = plainLines();
    lines.insert(19, "Song A");
    lines.insert(20, "Song B");
    const CharacterFile file = CharacterFileFormat::decode(joinLines(lines.first(lineCount)));
    QVERIFY(!file.complete);
    QCOMPARE(file.text(SheetValue::SoulHits), soulHits);
    QCOMPARE(file.list(SheetList::Songs), songs);
    QCOMPARE(file.text(SheetValue::CharacterName), u"Name"_s);
}

QTEST_GUILESS_MAIN(TestCharacterFile)
#include "tst_characterfile.moc"

// A million items, the first list holding all but `second` of them and the second list the rest.
void TestCharacterFile::itemsInAllListsAreCounted_data()
{
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("tooMany");
    QTest::newRow("a million in all") << 1 << false;
    QTest::newRow("one more in the second list") << 2 << true;
}

void TestCharacterFile::itemsInAllListsAreCounted()
{
    QFETCH(int, second);
    QFETCH(bool, tooMany);
    const QList<QByteArray> lines = plainLines();
    const QByteArray bytes = joinLines(lines.first(17)) + QByteArray("\r\n").repeated(999'999) +
                             "*\r\n" + QByteArray("Item\r\n").repeated(second) +
                             joinLines(lines.mid(18));
    const CharacterFile file = CharacterFileFormat::decode(bytes);
    QCOMPARE(file.tooManyItems, tooMany);
    QVERIFY(file.complete);
    QCOMPARE(file.list(SheetList::ChoirBandAttunements).size(), 999'999);
    QCOMPARE(file.list(SheetList::SuperiorAttunements).size(), 1);
}
