#include "common/QuillError.h"
#include "sheet/CharacterSheet.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCharacterSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsWithTheWindowsTexts_data();
    void startsWithTheWindowsTexts();
    void startsWithNoTypeAndEmptyLists();
    void catalogueEntriesAreExact();
    void numberRaisesTheConversionError();
    void writesAreSignalledOnlyOnChange();
    void listsAreWellBehavedModels();
    void resetRestoresEverythingButColourAndCelestialState();
};

void TestCharacterSheet::startsWithTheWindowsTexts_data()
{
    QTest::addColumn<SheetValue>("value");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("name") << SheetValue::CharacterName << u"CharacterNameEdit"_s
                          << u"Enter Character Name"_s;
    QTest::newRow("choir") << SheetValue::ChoirBand << u"Choir_BandComboBox"_s
                           << u"Select Choir or Band"_s;
    QTest::newRow("superior") << SheetValue::Superior << u"SuperiorComboBox"_s
                              << u"Select Superior"_s;
    QTest::newRow("corporeal") << SheetValue::Corporeal << u"CorporealEdit"_s << u"0"_s;
    QTest::newRow("perception") << SheetValue::Perception << u"PerceptionEdit"_s << u"0"_s;
    QTest::newRow("total") << SheetValue::TotalForces << u"TotalForcesEdit"_s << u"0"_s;
    QTest::newRow("points") << SheetValue::CharacterPoints << u"CharacterPointsEdit"_s << u"0"_s;
    QTest::newRow("soul hits") << SheetValue::SoulHits << u"SoulHitsEdit"_s << u"0"_s;
}

void TestCharacterSheet::startsWithTheWindowsTexts()
{
    QFETCH(SheetValue, value);
    QFETCH(QString, name);
    QFETCH(QString, text);
    CharacterSheet sheet;
    QCOMPARE(sheet.text(value), text);
    QCOMPARE(SheetNames::controlName(value), name);
}

void TestCharacterSheet::startsWithNoTypeAndEmptyLists()
{
    CharacterSheet sheet;
    QCOMPARE(sheet.typeIndex(), -1);
    QVERIFY(!sheet.hasType());
    QCOMPARE(sheet.totalColour(), TotalColour::Menu);
    QVERIFY(sheet.celestialEnabled());
    for (SheetList list : SheetNames::allLists())
        QCOMPARE(sheet.itemCount(list), 0);
    QCOMPARE(SheetNames::controlName(SheetList::ChoirBandAttunements),
             u"ExtraChoir_BandAttunmentListBox"_s);
    QCOMPARE(SheetNames::controlName(SheetList::Distinctions), u"DistinctionsListBox"_s);
}

void TestCharacterSheet::catalogueEntriesAreExact()
{
    QCOMPARE(SheetNames::characterTypeNames().size(), 8);
    QCOMPARE(SheetNames::characterTypeNames().at(6), u"Remnant"_s);
    QCOMPARE(SheetNames::choirBandEntries().size(), 18);
    QCOMPARE(SheetNames::choirBandEntries().at(14), u"Soldier"_s);
    QCOMPARE(SheetNames::choirBandEntries().at(15), u"Mummy"_s);
    QCOMPARE(SheetNames::superiorEntries().size(), 26);
    QCOMPARE(SheetNames::superiorEntries().at(3), u"Eli, Archangle of Creation"_s);
    QCOMPARE(SheetNames::superiorEntries().at(14), u"Asmodeus Prince of the Game"_s);
    QCOMPARE(SheetNames::superiorEntries().at(16), u"Beleth, Princess of Nightmares"_s);
}

void TestCharacterSheet::numberRaisesTheConversionError()
{
    CharacterSheet sheet;
    sheet.setText(SheetValue::Strength, u"x"_s);
    QVERIFY_THROWS_EXCEPTION(QuillError, sheet.number(SheetValue::Strength));
    sheet.setNumber(SheetValue::Strength, -4);
    QCOMPARE(sheet.text(SheetValue::Strength), u"-4"_s);
    QCOMPARE(sheet.number(SheetValue::Strength), -4);
}

void TestCharacterSheet::writesAreSignalledOnlyOnChange()
{
    CharacterSheet sheet;
    QSignalSpy texts(&sheet, &CharacterSheet::textChanged);
    QSignalSpy types(&sheet, &CharacterSheet::typeIndexChanged);
    sheet.setText(SheetValue::Will, u"0"_s);
    sheet.setText(SheetValue::Will, u"6"_s);
    sheet.setTypeIndex(-1);
    sheet.setTypeIndex(3);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.at(0).at(1).toString(), u"6"_s);
    QCOMPARE(types.size(), 1);
}

void TestCharacterSheet::listsAreWellBehavedModels()
{
    CharacterSheet sheet;
    QStringListModel *songs = sheet.list(SheetList::Songs);
    QAbstractItemModelTester tester(songs, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(songs, &QAbstractItemModel::modelReset);
    sheet.appendItem(SheetList::Songs, u"Ethereal Song of Charm ,Level:2"_s);
    sheet.appendItem(SheetList::Songs, u"Corporeal Song of  ,Level:1"_s);
    sheet.removeItem(SheetList::Songs, 0);
    QCOMPARE(resets.size(), 0);
    QCOMPARE(sheet.items(SheetList::Songs), QStringList{u"Corporeal Song of  ,Level:1"_s});
    sheet.setItems(SheetList::Songs, {u"a"_s, u"b"_s});
    QCOMPARE(sheet.itemCount(SheetList::Songs), 2);
    QCOMPARE(sheet.itemCount(SheetList::Skills), 0);
}

void TestCharacterSheet::resetRestoresEverythingButColourAndCelestialState()
{
    CharacterSheet sheet;
    for (SheetValue v : SheetNames::allValues())
        sheet.setText(v, u"changed"_s);
    for (SheetList l : SheetNames::allLists())
        sheet.appendItem(l, u"item"_s);
    sheet.setTypeIndex(6);
    sheet.setTotalColour(TotalColour::Red);
    sheet.setCelestialEnabled(false);

    QSignalSpy types(&sheet, &CharacterSheet::typeIndexChanged);
    sheet.reset();

    QStringList startTexts(16, u"0"_s);
    startTexts[0] = u"Enter Character Name"_s;
    startTexts[1] = u"Select Choir or Band"_s;
    startTexts[2] = u"Select Superior"_s;
    for (SheetValue v : SheetNames::allValues())
        QCOMPARE(sheet.text(v), startTexts.at(int(v)));
    for (SheetList l : SheetNames::allLists())
        QCOMPARE(sheet.itemCount(l), 0);
    QCOMPARE(sheet.typeIndex(), -1);
    QCOMPARE(types.size(), 1);
    QCOMPARE(sheet.totalColour(), TotalColour::Red);
    QVERIFY(!sheet.celestialEnabled());
}

QTEST_APPLESS_MAIN(TestCharacterSheet)
#include "tst_charactersheet.moc"
