#include "SheetHelpers.h"
#include "sheet/CharacterSheet.h"
#include "sheet/CharacterTypes.h"
#include "support/RecordingPrompter.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SheetHelpers;

class TestCharacterTypes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheStartingValues_data();
    void writesTheStartingValues();
    void writesInTheOrderOfTheChoice();
    void soldierAndUndeadSetTheirBand();
    void remnantDisablesCelestialUntilAnotherType();
    void looksUpTheBoxNamedAfterTheType();
    void refusalClearsTheChoiceAndTheTotalOnly();
    void firstRefusalStillClearsTheShownItem();
    void typeChangeKeepsListsAndResetsPoints();
};

void TestCharacterTypes::writesTheStartingValues_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("forces");  // total, corporeal, ethereal, celestial
    QTest::addColumn<QList<int>>("derived"); // points, mind hits, soul hits
    QTest::addColumn<TotalColour>("colour");
    QTest::addColumn<bool>("celestialEnabled");

    const QList<int> full = {9, 3, 3, 3};
    const QList<int> fullDerived = {36, 18, 18};
    QTest::newRow("Angel") << 0 << full << fullDerived << TotalColour::Green << true;
    QTest::newRow("Demon") << 1 << full << fullDerived << TotalColour::Green << true;
    QTest::newRow("Outcast") << 2 << full << fullDerived << TotalColour::Green << true;
    QTest::newRow("Renegade") << 3 << full << fullDerived << TotalColour::Green << true;
    QTest::newRow("Soldier") << 4 << QList<int>{6, 2, 1, 1} << QList<int>{24, 2, 2}
                             << TotalColour::Red << true;
    QTest::newRow("Undead") << 5 << QList<int>{6, 2, 1, 1} << QList<int>{24, 2, 2}
                            << TotalColour::Red << true;
    QTest::newRow("Remnant") << 6 << QList<int>{5, 2, 3, 0} << QList<int>{20, 18, 0}
                             << TotalColour::Green << false;
    QTest::newRow("Mundane") << 7 << QList<int>{5, 2, 2, 1} << QList<int>{20, 8, 2}
                             << TotalColour::Green << true;
}

void TestCharacterTypes::writesTheStartingValues()
{
    QFETCH(int, index);
    QFETCH(QList<int>, forces);
    QFETCH(QList<int>, derived);
    QFETCH(TotalColour, colour);
    QFETCH(bool, celestialEnabled);

    CharacterSheet sheet;
    // Values left by some earlier work, all of which the choice overwrites.
    setNumbers(sheet, {{SheetValue::Strength, 11},
                       {SheetValue::Agility, 1},
                       {SheetValue::TotalForces, 17},
                       {SheetValue::CharacterPoints, -4}});
    choose(sheet, index);

    QCOMPARE(sheet.typeIndex(), index);
    QCOMPARE(sheet.number(SheetValue::TotalForces), forces[0]);
    QCOMPARE(sheet.number(SheetValue::Corporeal), forces[1]);
    QCOMPARE(sheet.number(SheetValue::Ethereal), forces[2]);
    QCOMPARE(sheet.number(SheetValue::Celestial), forces[3]);
    QCOMPARE(sheet.number(SheetValue::Strength), 2 * forces[1]);
    QCOMPARE(sheet.number(SheetValue::Agility), 2 * forces[1]);
    QCOMPARE(sheet.number(SheetValue::Intelligence), 2 * forces[2]);
    QCOMPARE(sheet.number(SheetValue::Precision), 2 * forces[2]);
    QCOMPARE(sheet.number(SheetValue::Will), 2 * forces[3]);
    QCOMPARE(sheet.number(SheetValue::Perception), 2 * forces[3]);
    QCOMPARE(sheet.number(SheetValue::CharacterPoints), derived[0]);
    QCOMPARE(sheet.number(SheetValue::MindHits), derived[1]);
    QCOMPARE(sheet.number(SheetValue::SoulHits), derived[2]);
    QCOMPARE(sheet.totalColour(), colour);
    QCOMPARE(sheet.celestialEnabled(), celestialEnabled);
}

void TestCharacterTypes::writesInTheOrderOfTheChoice()
{
    CharacterSheet sheet;
    QSignalSpy spy(&sheet, &CharacterSheet::textChanged);
    choose(sheet, 7);
    QList<SheetValue> order;
    for (const auto &args : spy)
        order << args.at(0).value<SheetValue>();
    const QList<SheetValue> expected = {
        SheetValue::CharacterPoints, SheetValue::Corporeal, SheetValue::Ethereal,
        SheetValue::Celestial,       SheetValue::Strength,  SheetValue::Agility,
        SheetValue::Intelligence,    SheetValue::Precision, SheetValue::Will,
        SheetValue::Perception,      SheetValue::MindHits,  SheetValue::SoulHits,
        SheetValue::TotalForces};
    QCOMPARE(order, expected);
}

void TestCharacterTypes::soldierAndUndeadSetTheirBand()
{
    CharacterSheet sheet;
    sheet.setText(SheetValue::ChoirBand, u"Seraphim"_s);
    choose(sheet, 4);
    QCOMPARE(sheet.text(SheetValue::ChoirBand), u"Soldier"_s);
    choose(sheet, 0);
    QCOMPARE(sheet.text(SheetValue::ChoirBand), u"Soldier"_s);
    choose(sheet, 5);
    QCOMPARE(sheet.text(SheetValue::ChoirBand), u"Mummy"_s);
    sheet.setText(SheetValue::ChoirBand, u"my own band"_s);
    choose(sheet, 7);
    QCOMPARE(sheet.text(SheetValue::ChoirBand), u"my own band"_s);
}

void TestCharacterTypes::remnantDisablesCelestialUntilAnotherType()
{
    CharacterSheet sheet;
    choose(sheet, 6);
    QVERIFY(!sheet.celestialEnabled());
    QCOMPARE(sheet.text(SheetValue::Will), u"0"_s);

    // A refused choice leaves the Celestial controls as the Remnant left them.
    RecordingPrompter prompter;
    CharacterTypes::select(sheet, 0, {}, prompter);
    QVERIFY(!sheet.celestialEnabled());

    choose(sheet, 7);
    QVERIFY(sheet.celestialEnabled());
    QCOMPARE(sheet.number(SheetValue::Celestial), 1);
}

// Only the chosen type's own entry of the configuration decides, for each of the eight.
void TestCharacterTypes::looksUpTheBoxNamedAfterTheType()
{
    for (int index = 0; index < 8; ++index) {
        CharacterSheet sheet;
        RecordingPrompter prompter;
        CharacterTypes::AllowedTypes onlyThis{};
        onlyThis[index] = true;
        CharacterTypes::select(sheet, index, onlyThis, prompter);
        QVERIFY(prompter.shown.isEmpty());
        QCOMPARE(sheet.typeIndex(), index);

        CharacterTypes::AllowedTypes allButThis = allowingAll();
        allButThis[index] = false;
        CharacterTypes::select(sheet, (index + 1) % 8, allButThis, prompter);
        QVERIFY(prompter.shown.isEmpty());
        CharacterTypes::select(sheet, index, allButThis, prompter);
        QCOMPARE(prompter.shown,
                 QStringList{u"Current configuration does not allow this Character Type."_s});
    }
}

void TestCharacterTypes::refusalClearsTheChoiceAndTheTotalOnly()
{
    CharacterSheet sheet;
    choose(sheet, 0);
    sheet.setNumber(SheetValue::Corporeal, 2);
    sheet.appendItem(SheetList::Songs, u"a song"_s);
    QStringList before = texts(sheet);

    RecordingPrompter prompter;
    CharacterTypes::AllowedTypes allButDemon = allowingAll();
    allButDemon[1] = false;
    CharacterTypes::select(sheet, 1, allButDemon, prompter);

    QCOMPARE(prompter.shown,
             QStringList{u"Current configuration does not allow this Character Type."_s});
    QCOMPARE(sheet.typeIndex(), -1);
    before[int(SheetValue::TotalForces)] = u"0"_s;
    QCOMPARE(texts(sheet), before);
    QCOMPARE(sheet.totalColour(), TotalColour::Green);
    QCOMPARE(sheet.items(SheetList::Songs), QStringList{u"a song"_s});
}

void TestCharacterTypes::firstRefusalStillClearsTheShownItem()
{
    // The window shows the clicked item until the sheet reports -1, so the refusal must be
    // signalled even when no type had been chosen before.
    CharacterSheet sheet;
    QSignalSpy spy(&sheet, &CharacterSheet::typeIndexChanged);
    RecordingPrompter prompter;
    CharacterTypes::select(sheet, 3, {}, prompter);
    QCOMPARE(sheet.typeIndex(), -1);
    QVERIFY(!spy.isEmpty());
    QCOMPARE(spy.last().at(0).toInt(), -1);
}

void TestCharacterTypes::typeChangeKeepsListsAndResetsPoints()
{
    CharacterSheet sheet;
    sheet.setText(SheetValue::CharacterName, u"Gwen"_s);
    sheet.setText(SheetValue::Superior, u"Gabriel"_s);
    choose(sheet, 0);
    sheet.appendItem(SheetList::Songs, u"bought song"_s);
    sheet.setNumber(SheetValue::CharacterPoints, 33);
    choose(sheet, 7);
    QCOMPARE(sheet.items(SheetList::Songs), QStringList{u"bought song"_s});
    QCOMPARE(sheet.number(SheetValue::CharacterPoints), 20);
    QCOMPARE(sheet.text(SheetValue::CharacterName), u"Gwen"_s);
    QCOMPARE(sheet.text(SheetValue::Superior), u"Gabriel"_s);
}

QTEST_GUILESS_MAIN(TestCharacterTypes)
#include "tst_charactertypes.moc"
