#include "print/FakeReportEngine.h"
#include "print/PrintTexts.h"
#include "print/SheetPrintout.h"
#include "sheet/CharacterSheet.h"
#include "support/ErrorOf.h"
#include "support/RecordingPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString folder = u"/home/player/characters"_s;

void fillEveryList(CharacterSheet &sheet)
{
    sheet.setItems(SheetList::ChoirBandAttunements, {u"Attune A"_s, u"Attune B"_s});
    sheet.setItems(SheetList::SuperiorAttunements, {u"Superior S"_s});
    sheet.setItems(SheetList::Distinctions, {u"Distinct"_s});
    sheet.setItems(SheetList::Songs, {u"Ethereal Song of Charm ,Level:2"_s});
    sheet.setItems(SheetList::Skills, {u"Swimming Level:3"_s, u"Climbing Level:1"_s});
    sheet.setItems(SheetList::Vessels, {u"Human ,Body Hits:12 ,Charisma:1 Level:2 Cost:8"_s});
    sheet.setItems(SheetList::Roles, {u"Bartender, Level:2, Status:3, Cost:3"_s});
    sheet.setItems(SheetList::Servants, {u"Hound, Level:3, Class:1, Cost:2"_s});
    sheet.setItems(SheetList::Artifacts,
                   {u"Celestial Artifact of Lamp ,Level:2 ,Modifier:-1 ,Cost:5"_s});
    sheet.setItems(SheetList::Discords, {u"Corporeal Discord of Limp ,Level:2 ,Cost:6"_s});
}

// Every value of the sheet a text of its own, so a field filled from the wrong value shows.
void fillValues(CharacterSheet &sheet)
{
    int n = 0;
    for (SheetValue value : SheetNames::allValues())
        sheet.setText(value, u"v%1"_s.arg(++n));
    sheet.setText(SheetValue::CharacterName, u"Zoë"_s);
}

} // namespace

class TestPrintout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutPathAlwaysAddsTheSeparator_data();
    void layoutPathAlwaysAddsTheSeparator();
    void columns_data();
    void columns();
    void textFieldsInTheirOrder();
    void printFillsEveryComponentThenRunsAndCloses();
    void eachMemoIsWrittenOnce();
    void printLeavesTheSheetAlone();
    void faultyLayoutGivesAMessageAndNoPrintout_data();
    void faultyLayoutGivesAMessageAndNoPrintout();
    void failedOpenStillCloses();
    void layoutOfTheCurrentOrTheStartFolder_data();
    void layoutOfTheCurrentOrTheStartFolder();
};

void TestPrintout::layoutPathAlwaysAddsTheSeparator_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("path");
    QTest::newRow("folder") << folder << u"/home/player/characters/qmsheet.rav"_s;
    QTest::newRow("root") << u"/"_s << u"//qmsheet.rav"_s;
}

void TestPrintout::layoutPathAlwaysAddsTheSeparator()
{
    QFETCH(QString, current);
    QFETCH(QString, path);
    QCOMPARE(PrintTexts::layoutPath(current), path);
}

void TestPrintout::columns_data()
{
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("choir");
    QTest::addColumn<QString>("superior");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    const QString emptySecond = u"** Vessels **\r\r** Roles **\r\r** Servants **\r\r"
                                "** Artifacts **\r\r** Discords **"_s;
    QTest::newRow("all lists empty, nothing chosen")
        << false << u"Select Choir or Band"_s << u"Select Superior"_s
        << u"** Attunments **\rSelect Choir or Band of Select Superior\r\r** Distinctions **\r\r"
           "** Songs **\r\r** Skills **"_s
        << emptySecond;
    QTest::newRow("all lists empty, chosen")
        << false << u"Seraphim"_s << u"Gabriel, Archangel of Fire"_s
        << u"** Attunments **\rSeraphim of Gabriel, Archangel of Fire\r\r** Distinctions **\r\r"
           "** Songs **\r\r** Skills **"_s
        << emptySecond;
    QTest::newRow("typed empty texts") << false << QString() << QString()
                                       << u"** Attunments **\r of \r\r** Distinctions **\r\r"
                                          "** Songs **\r\r** Skills **"_s
                                       << emptySecond;
    QTest::newRow("every list filled")
        << true << u"Lilim"_s << u"Kobal, Prince of Dark Humor"_s
        << u"** Attunments **\rLilim of Kobal, Prince of Dark Humor\rAttune A\rAttune B\r"
           "Superior S\r\r** Distinctions **\rDistinct\r\r** Songs **\r"
           "Ethereal Song of Charm ,Level:2\r\r** Skills **\rSwimming Level:3\rClimbing Level:1"_s
        << u"** Vessels **\rHuman ,Body Hits:12 ,Charisma:1 Level:2 Cost:8\r\r** Roles **\r"
           "Bartender, Level:2, Status:3, Cost:3\r\r** Servants **\r"
           "Hound, Level:3, Class:1, Cost:2\r\r** Artifacts **\r"
           "Celestial Artifact of Lamp ,Level:2 ,Modifier:-1 ,Cost:5\r\r** Discords **\r"
           "Corporeal Discord of Limp ,Level:2 ,Cost:6"_s;
}

void TestPrintout::columns()
{
    QFETCH(bool, filled);
    QFETCH(QString, choir);
    QFETCH(QString, superior);
    QFETCH(QString, first);
    QFETCH(QString, second);
    CharacterSheet sheet;
    if (filled)
        fillEveryList(sheet);
    sheet.setText(SheetValue::ChoirBand, choir);
    sheet.setText(SheetValue::Superior, superior);

    FakeReportEngine engine = FakeReportEngine::properSheet();
    RecordingPrompter prompter;
    SheetPrintout::print(sheet, engine, prompter, folder);
    QCOMPARE(engine.texts.value(u"FirstColum"_s), first);
    QCOMPARE(engine.texts.value(u"SecondColum"_s), second);
    QCOMPARE(engine.texts.value(u"chior_band"_s), choir + u" of "_s + superior);
    QVERIFY(prompter.shown.isEmpty());
}

void TestPrintout::textFieldsInTheirOrder()
{
    CharacterSheet sheet;
    fillValues(sheet);
    QStringList filled;
    for (const PrintTexts::Field &field : PrintTexts::textFields(sheet))
        filled << field.component + u'=' + field.text;
    // v13 and v14 (total Forces and Character Points) and the type are not printed.
    QCOMPARE(filled,
             (QStringList{u"cname=Zoë"_s, u"chior_band=v2 of v3"_s, u"Corpforce=v4"_s,
                          u"Ethforce=v7"_s, u"Celforce=v10"_s, u"Strength=v5"_s, u"Agility=v6"_s,
                          u"Intelligence=v8"_s, u"Precision=v9"_s, u"Mindhits=v15"_s, u"Will=v11"_s,
                          u"Perception=v12"_s, u"SoulHits=v16"_s}));
}

void TestPrintout::printFillsEveryComponentThenRunsAndCloses()
{
    CharacterSheet sheet;
    fillValues(sheet);
    FakeReportEngine engine = FakeReportEngine::properSheet();
    RecordingPrompter prompter;
    SheetPrintout::print(sheet, engine, prompter, folder);

    const QStringList &log = engine.log;
    QCOMPARE(log.mid(0, 3), (QStringList{u"file /home/player/characters/qmsheet.rav"_s, u"open"_s,
                                         u"find Report1.Page1"_s}));
    QStringList filled;
    for (const QString &line : log)
        if (line.startsWith(u"text "_s))
            filled << line.mid(5);
    QStringList expected;
    for (const PrintTexts::Field &field : PrintTexts::textFields(sheet))
        expected << field.component + u'=' + field.text;
    QCOMPARE(filled, expected);
    // Every component is looked for on the page before the first is filled.
    QVERIFY(log.indexOf(u"find SecondColum on page"_s) < log.indexOf(u"text cname=Zoë"_s));
    QCOMPARE(log.mid(log.size() - 2), (QStringList{u"run Report1"_s, u"close"_s}));
    QVERIFY(prompter.shown.isEmpty());
}

void TestPrintout::eachMemoIsWrittenOnce()
{
    CharacterSheet sheet;
    FakeReportEngine engine = FakeReportEngine::properSheet();
    RecordingPrompter prompter;
    SheetPrintout::print(sheet, engine, prompter, folder);
    // Written whole, not re-read and rewritten once per line (the texts are checked in columns).
    QCOMPARE(engine.memoWrites, 2);
}

void TestPrintout::printLeavesTheSheetAlone()
{
    CharacterSheet sheet;
    fillValues(sheet);
    fillEveryList(sheet);
    int changes = 0;
    connect(&sheet, &CharacterSheet::textChanged, this, [&changes] { ++changes; });
    const QStringList songs = sheet.items(SheetList::Songs);
    FakeReportEngine engine = FakeReportEngine::properSheet();
    RecordingPrompter prompter;
    SheetPrintout::print(sheet, engine, prompter, folder);
    QCOMPARE(changes, 0);
    QCOMPARE(sheet.items(SheetList::Songs), songs);
    QCOMPARE(sheet.typeIndex(), -1);
}

void TestPrintout::faultyLayoutGivesAMessageAndNoPrintout_data()
{
    QTest::addColumn<QString>("component");
    QTest::addColumn<int>("kind"); // the kind it has instead, None when it is missing
    QTest::addColumn<QString>("message");
    QTest::newRow("no page") << u"Report1.Page1"_s << int(ComponentKind::None)
                             << u"The report layout has no page \"Report1.Page1\"; nothing was "
                                "printed."_s;
    QTest::newRow("no name field")
        << u"cname"_s << int(ComponentKind::None)
        << u"The page \"Report1.Page1\" of the report layout has no component \"cname\"; nothing "
           "was printed."_s;
    QTest::newRow("no second column")
        << u"SecondColum"_s << int(ComponentKind::None)
        << u"The page \"Report1.Page1\" of the report layout has no component \"SecondColum\"; "
           "nothing was printed."_s;
    QTest::newRow("column is a text field")
        << u"FirstColum"_s << int(ComponentKind::Text)
        << u"The component \"FirstColum\" of the report layout is not a memo field; nothing was "
           "printed."_s;
    QTest::newRow("hits are a memo") << u"SoulHits"_s << int(ComponentKind::Memo)
                                     << u"The component \"SoulHits\" of the report layout is not "
                                        "a text field; nothing was printed."_s;
    QTest::newRow("will is a label") << u"Will"_s << int(ComponentKind::Other)
                                     << u"The component \"Will\" of the report layout is not a "
                                        "text field; nothing was printed."_s;
}

void TestPrintout::faultyLayoutGivesAMessageAndNoPrintout()
{
    QFETCH(QString, component);
    QFETCH(int, kind);
    QFETCH(QString, message);
    FakeReportEngine engine = FakeReportEngine::properSheet();
    engine.remove(component);
    if (ComponentKind(kind) != ComponentKind::None)
        engine.declare(component, ComponentKind(kind));
    CharacterSheet sheet;
    RecordingPrompter prompter;
    SheetPrintout::print(sheet, engine, prompter, folder);
    QCOMPARE(prompter.shown, QStringList{message});
    QVERIFY(engine.texts.isEmpty());
    QCOMPARE(engine.log.filter(u"run"_s), QStringList());
    QCOMPARE(engine.log.constLast(), u"close"_s);
}

void TestPrintout::failedOpenStillCloses()
{
    FakeReportEngine engine = FakeReportEngine::properSheet();
    engine.openError = u"The following reporting project does not exist:\r\"x\""_s;
    CharacterSheet sheet;
    RecordingPrompter prompter;
    QVERIFY_THROWS_EXCEPTION(QuillError, SheetPrintout::print(sheet, engine, prompter, folder));
    QCOMPARE(engine.log,
             (QStringList{u"file /home/player/characters/qmsheet.rav"_s, u"open"_s, u"close"_s}));
}

void TestPrintout::layoutOfTheCurrentOrTheStartFolder_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("chosen"); // empty: refused
    QTest::addColumn<QString>("error");
    const QString neither =
        u"The following reporting projects do not exist:\r\"@/bare/qmsheet.rav\"\r"
        u"\"@/empty/qmsheet.rav\""_s;
    QTest::newRow("current folder's own") << u"own"_s << u"start"_s << u"own"_s << QString();
    QTest::newRow("start folder's") << u"bare"_s << u"start"_s << u"start"_s << QString();
    QTest::newRow("neither, both named") << u"bare"_s << u"empty"_s << QString() << neither;
    QTest::newRow("same folder, left to the engine")
        << u"bare"_s << u"bare"_s << u"bare"_s << QString();
    QTest::newRow("start folder removed") << u"bare"_s << QString() << u"bare"_s << QString();
}

void TestPrintout::layoutOfTheCurrentOrTheStartFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir root(dir.path());
    for (const QString &name : {u"own"_s, u"start"_s, u"bare"_s, u"empty"_s})
        QVERIFY(root.mkdir(name));
    for (const QString &name : {u"own"_s, u"start"_s}) {
        QFile layout(root.filePath(name + u"/qmsheet.rav"_s));
        QVERIFY(layout.open(QIODevice::WriteOnly));
    }
    QFETCH(QString, current);
    QFETCH(QString, start);
    QFETCH(QString, chosen);
    QFETCH(QString, error);
    QString used;
    const QString startFolder = start.isEmpty() ? QString() : root.filePath(start);
    QCOMPARE(
        errorOf([&] { used = SheetPrintout::layoutToUse(root.filePath(current), startFolder); }),
        QString(error).replace(u'@', dir.path()));
    QCOMPARE(used, chosen.isEmpty() ? QString() : root.filePath(chosen + u"/qmsheet.rav"_s));
}

QTEST_GUILESS_MAIN(TestPrintout)
#include "tst_printout.moc"
