#include "resources/DeleteSequence.h"
#include "resources/RuleFixture.h"
#include "resources/VesselsRoles.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString typeMessage = u"You must first select a Character Type."_s;
const QString poorMessage = u"You do not have enough Character Points."_s;
const QString vesselName = u"You must enter a name for this Vessel."_s;
const QString vesselTwice = u"This is a duplicate Vessel."_s;
const QString vesselCharisma = u"You can not buy this Vessel with this Charisma."_s;
const QString roleName = u"You must enter a name for this Role."_s;
const QString roleTwice = u"This is a duplicate Role."_s;

// Strength 3 and Corporeal Forces 2 unless a row says otherwise.
void giveBody(CharacterSheet &sheet, const QString &strength = u"3"_s)
{
    sheet.setText(SheetValue::Strength, strength);
    sheet.setNumber(SheetValue::Corporeal, 2);
}

} // namespace

class TestVesselsRoles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addVessel_data();
    void addVessel();
    void unreadableVesselNumbersChangeNothing_data();
    void unreadableVesselNumbersChangeNothing();
    void bodyHitsDisplay();
    void addRole_data();
    void addRole();
    void deleteThenAddLeavesThePool();
};

void TestVesselsRoles::addVessel_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("pool");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("charisma");
    QTest::addColumn<QStringList>("shown"); // the Body Hits shown, then the messages
    QTest::addColumn<QString>("item");      // empty: refused
    QTest::addColumn<int>("poolAfter");
    const QStringList human = {u"Human ,Body Hits:12 ,Charisma:1 Level:2 Cost:8"_s};
    const QString hits9 = u"Body Hits 9"_s;

    QTest::newRow("bought") << true << 10 << human << u"Dockworker"_s << u"3"_s << u"-1"_s
                            << QStringList{u"Body Hits 15"_s}
                            << u"Dockworker ,Body Hits:15 ,Charisma:-1 Level:3 Cost:7"_s << 3;
    QTest::newRow("no character type")
        << false << 10 << QStringList() << u"Dockworker"_s << u"2"_s << u"0"_s
        << QStringList{u"Body Hits 12"_s, typeMessage} << QString() << 10;
    QTest::newRow("name before points")
        << true << 0 << QStringList() << u"Enter a Name for this Vessel"_s << u"1"_s << u"0"_s
        << QStringList{hits9, vesselName} << QString() << 0;
    QTest::newRow("one point short")
        << true << 23 << QStringList() << u"Giant"_s << u"6"_s << u"3"_s
        << QStringList{u"Body Hits 24"_s, poorMessage} << QString() << 23;
    QTest::newRow("highest cost, whole pool")
        << true << 24 << QStringList() << u"Giant"_s << u"6"_s << u"3"_s
        << QStringList{u"Body Hits 24"_s} << u"Giant ,Body Hits:24 ,Charisma:3 Level:6 Cost:24"_s
        << 0;
    QTest::newRow("level 1 charisma -2")
        << true << 10 << QStringList() << u"Wretch"_s << u"1"_s << u"-2"_s
        << QStringList{hits9, vesselCharisma} << QString() << 10;
    QTest::newRow("level 1 charisma -1")
        << true << 10 << QStringList() << u"Wretch"_s << u"1"_s << u"-1"_s << QStringList{hits9}
        << u"Wretch ,Body Hits:9 ,Charisma:-1 Level:1 Cost:1"_s << 9;
    QTest::newRow("duplicate before charisma")
        << true << 10 << human << u"Human"_s << u"1"_s << u"-2"_s << QStringList{hits9, vesselTwice}
        << QString() << 10;
    QTest::newRow("name in the fixed text")
        << true << 10 << human << u"Body"_s << u"1"_s << u"0"_s << QStringList{hits9}
        << u"Body ,Body Hits:9 ,Charisma:0 Level:1 Cost:3"_s << 7;
    QTest::newRow("single blank") << true << 10 << human << u" "_s << u"1"_s << u"0"_s
                                  << QStringList{hits9}
                                  << u"  ,Body Hits:9 ,Charisma:0 Level:1 Cost:3"_s << 7;
    QTest::newRow("nameless never a duplicate")
        << true << 10 << QStringList{u" ,Body Hits:9 ,Charisma:0 Level:1 Cost:3"_s} << QString()
        << u"1"_s << u"0"_s << QStringList{hits9} << u" ,Body Hits:9 ,Charisma:0 Level:1 Cost:3"_s
        << 7;
}

void TestVesselsRoles::addVessel()
{
    QFETCH(bool, typed);
    QFETCH(int, pool);
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    QFETCH(QString, level);
    QFETCH(QString, charisma);
    QFETCH(QString, item);
    RuleFixture f(pool, typed);
    giveBody(f.sheet);
    f.sheet.setItems(SheetList::Vessels, existing);
    QObject::connect(&f.sheet, &CharacterSheet::bodyHitsChanged, &f.sheet,
                     [&f](const QString &hits) { f.prompter.shown << u"Body Hits "_s + hits; });
    Resources::addVessel(f.sheet, {name, level, charisma}, f.prompter);
    QTEST(f.prompter.shown, "shown");
    QCOMPARE(f.sheet.items(SheetList::Vessels),
             item.isEmpty() ? existing : existing + QStringList{item});
    QTEST(f.sheet.number(SheetValue::CharacterPoints), "poolAfter");
}

void TestVesselsRoles::unreadableVesselNumbersChangeNothing_data()
{
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QString>("pool");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("error");
    QTest::newRow("strength") << u"x"_s << u"10"_s << u"1"_s
                              << u"'x' is not a valid integer value"_s;
    QTest::newRow("pool") << u"3"_s << u"ten"_s << u"1"_s
                          << u"'ten' is not a valid integer value"_s;
    QTest::newRow("body hits beyond 32 bits")
        << u"900000000"_s << u"10"_s << u"1"_s << u"Integer overflow"_s;
    QTest::newRow("cost beyond 32 bits")
        << u"0"_s << u"10"_s << u"900000000"_s << u"Integer overflow"_s;
}

// Read before the type guard, so a sheet without a type raises the error, shows no Body Hits
// and keeps everything.
void TestVesselsRoles::unreadableVesselNumbersChangeNothing()
{
    QFETCH(QString, strength);
    QFETCH(QString, pool);
    QFETCH(QString, level);
    RuleFixture f(0, false);
    giveBody(f.sheet, strength);
    f.sheet.setText(SheetValue::CharacterPoints, pool);
    QTEST(errorOf([&] {
              Resources::addVessel(f.sheet, {u"Human"_s, level, u"0"_s}, f.prompter);
          }),
          "error");
    QCOMPARE(f.sheet.bodyHits(), u"0"_s);
    QVERIFY(f.prompter.shown.isEmpty());
    QCOMPARE(f.pool(), pool);
    QCOMPARE(f.sheet.itemCount(SheetList::Vessels), 0);
}

void TestVesselsRoles::bodyHitsDisplay()
{
    CharacterSheet sheet;
    giveBody(sheet);
    QCOMPARE(Resources::vesselBodyHits(sheet, u"2"_s), u"12"_s);
    QCOMPARE(Resources::vesselBodyHits(sheet, u"3"_s), u"15"_s);
    sheet.setText(SheetValue::Corporeal, u"y"_s);
    QCOMPARE(errorOf([&] { Resources::vesselBodyHits(sheet, u"3"_s); }),
             u"'y' is not a valid integer value"_s);
}

void TestVesselsRoles::addRole_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("pool");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("item"); // empty: refused
    QTest::addColumn<int>("poolAfter");
    const QStringList nurse = {u"Night Nurse, Level:3, Status:3, Cost:5"_s};

    QTest::newRow("bought 5 by 5")
        << true << 20 << QStringList() << u"Night Nurse"_s << u"5"_s << u"5"_s << QStringList()
        << u"Night Nurse, Level:5, Status:5, Cost:13"_s << 7;
    QTest::newRow("bought 2 by 3")
        << true << 3 << nurse << u"Bartender"_s << u"2"_s << u"3"_s << QStringList()
        << u"Bartender, Level:2, Status:3, Cost:3"_s << 0;
    QTest::newRow("no character type") << false << 20 << QStringList() << u"Cook"_s << u"1"_s
                                       << u"1"_s << QStringList{typeMessage} << QString() << 20;
    QTest::newRow("points before name")
        << true << 4 << QStringList() << u"Enter a Name for this Role"_s << u"3"_s << u"3"_s
        << QStringList{poorMessage} << QString() << 4;
    QTest::newRow("placeholder name")
        << true << 20 << QStringList() << u"Enter a Name for this Role"_s << u"1"_s << u"1"_s
        << QStringList{roleName} << QString() << 20;
    QTest::newRow("named Cost") << true << 20 << nurse << u"Cost"_s << u"1"_s << u"1"_s
                                << QStringList() << u"Cost, Level:1, Status:1, Cost:1"_s << 19;
    QTest::newRow("named Level") << true << 20 << nurse << u"Level"_s << u"1"_s << u"1"_s
                                 << QStringList() << u"Level, Level:1, Status:1, Cost:1"_s << 19;
    QTest::newRow("named colon") << true << 20 << nurse << u":"_s << u"1"_s << u"1"_s
                                 << QStringList() << u":, Level:1, Status:1, Cost:1"_s << 19;
    QTest::newRow("part of an older name")
        << true << 20 << nurse << u"Nurse"_s << u"1"_s << u"1"_s << QStringList()
        << u"Nurse, Level:1, Status:1, Cost:1"_s << 19;
    QTest::newRow("same name") << true << 20 << nurse << u"Night Nurse"_s << u"1"_s << u"1"_s
                               << QStringList{roleTwice} << QString() << 20;
    QTest::newRow("nameless twice")
        << true << 20 << QStringList{u", Level:1, Status:1, Cost:1"_s} << QString() << u"1"_s
        << u"1"_s << QStringList() << u", Level:1, Status:1, Cost:1"_s << 19;
}

void TestVesselsRoles::addRole()
{
    QFETCH(bool, typed);
    QFETCH(int, pool);
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    QFETCH(QString, level);
    QFETCH(QString, status);
    QFETCH(QString, item);
    RuleFixture f(pool, typed);
    f.sheet.setItems(SheetList::Roles, existing);
    Resources::addRole(f.sheet, {name, level, status}, f.prompter);
    QTEST(f.prompter.shown, "shown");
    QCOMPARE(f.sheet.items(SheetList::Roles),
             item.isEmpty() ? existing : existing + QStringList{item});
    QTEST(f.sheet.number(SheetValue::CharacterPoints), "poolAfter");
}

void TestVesselsRoles::deleteThenAddLeavesThePool()
{
    RuleFixture f(40);
    giveBody(f.sheet);
    Resources::addVessel(f.sheet, {u"Giant"_s, u"6"_s, u"3"_s}, f.prompter);
    Resources::addRole(f.sheet, {u"Night Nurse"_s, u"5"_s, u"5"_s}, f.prompter);
    QCOMPARE(f.pool(), u"3"_s);
    f.prompter.answers = {true, true};
    Resources::deleteResource(f.sheet, SheetList::Vessels, {Qt::RightButton, 0}, f.prompter);
    Resources::deleteResource(f.sheet, SheetList::Roles, {Qt::RightButton, 0}, f.prompter);
    QCOMPARE(f.pool(), u"40"_s);
    Resources::addVessel(f.sheet, {u"Giant"_s, u"6"_s, u"3"_s}, f.prompter);
    Resources::addRole(f.sheet, {u"Night Nurse"_s, u"5"_s, u"5"_s}, f.prompter);
    QCOMPARE(f.pool(), u"3"_s);
    QCOMPARE(f.sheet.itemCount(SheetList::Vessels), 1);
    QCOMPARE(f.sheet.itemCount(SheetList::Roles), 1);
}

QTEST_GUILESS_MAIN(TestVesselsRoles)
#include "tst_vessels_roles.moc"
