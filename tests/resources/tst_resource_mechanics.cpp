#include "resources/DeleteSequence.h"
#include "resources/PointPool.h"
#include "resources/ResourceChecks.h"
#include "resources/RuleFixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <limits>

using namespace Qt::StringLiterals;
using Resources::DeleteInput;

class TestResourceMechanics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordedCost_data();
    void recordedCost();
    void duplicateSearch_data();
    void duplicateSearch();
    void namedDuplicate_data();
    void namedDuplicate();
    void halfProductRoundedUp_data();
    void halfProductRoundedUp();
    void deleteRefunds_data();
    void deleteRefunds();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteWithUnreadableCostChangesNothing_data();
    void deleteWithUnreadableCostChangesNothing();
    void discordDeleteTakesValueBack_data();
    void discordDeleteTakesValueBack();
    void distinctionDeleteWithoutSelectionIsSilent();
    void appendAndDeleteKeepTheModelWhole();
};

void TestResourceMechanics::recordedCost_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("cost");
    QTest::addColumn<QString>("error");
    QTest::newRow("units after colon")
        << u"Human ,Body Hits:12 ,Charisma:1 Level:2 Cost:7"_s << 7 << QString();
    QTest::newRow("two digits") << u"Night Nurse, Level:5, Status:5, Cost:13"_s << 13 << QString();
    QTest::newRow("three digits") << u"Hound, Level:90, Class:9, Cost:405"_s << 405 << QString();
    QTest::newRow("negative") << u"Corporeal Discord of Limp ,Level:-1 ,Cost:-3"_s << -3
                              << QString();
    QTest::newRow("song level") << u"Corporeal Song of  ,Level:1"_s << 1 << QString();
    QTest::newRow("colon in name") << u"a:b, Level:1, Status:1, Cost:1"_s << 1 << QString();
    QTest::newRow("no colon") << u"Sword"_s << 0 << u"'Sword' is not a valid integer value"_s;
    QTest::newRow("nothing after colon")
        << u"Level:"_s << 0 << u"'' is not a valid integer value"_s;
    QTest::newRow("letters after digits")
        << u"Cost:1x"_s << 0 << u"'1x' is not a valid integer value"_s;
    QTest::newRow("empty") << QString() << 0 << u"'' is not a valid integer value"_s;
}

void TestResourceMechanics::recordedCost()
{
    QFETCH(QString, item);
    QFETCH(int, cost);
    QFETCH(QString, error);
    int read = 0;
    QCOMPARE(errorOf([&] { read = Resources::recordedCost(item); }), error);
    if (error.isEmpty())
        QCOMPARE(read, cost);
}

void TestResourceMechanics::duplicateSearch_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("equal");
    const QStringList skills = {u"Knife Fighting Level:2"_s, u"Driving Level:1"_s};
    QTest::newRow("end of an older item") << skills << u"Fighting Level:"_s << false << false;
    QTest::newRow("start of an item") << skills << u"Driving Level:"_s << true << false;
    QTest::newRow("whole item") << skills << u"Driving Level:1"_s << true << true;
    QTest::newRow("other case") << skills << u"driving Level:"_s << false << false;
    QTest::newRow("empty key, empty items") << QStringList{QString()} << QString() << true << true;
    QTest::newRow("empty list") << QStringList() << u"Driving"_s << false << false;
}

void TestResourceMechanics::duplicateSearch()
{
    QFETCH(QStringList, items);
    QFETCH(QString, key);
    QTEST(Resources::startsAnItem(items, key), "starts");
    QTEST(Resources::containsEqual(items, key), "equal");
}

void TestResourceMechanics::namedDuplicate_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("duplicate");
    // Roles: the name is followed by ", Level:".
    QTest::newRow("same name") << u"Bartender"_s << true;
    QTest::newRow("name inside another") << u"tender"_s << false;
    QTest::newRow("fixed text Cost") << u"Cost"_s << false;
    QTest::newRow("fixed text Level") << u"Level"_s << false;
    QTest::newRow("a colon") << u":"_s << false;
    QTest::newRow("nameless") << QString() << false;
}

void TestResourceMechanics::namedDuplicate()
{
    const QStringList roles = {u"Bartender, Level:2, Status:3, Cost:3"_s,
                               u", Level:1, Status:1, Cost:1"_s};
    QFETCH(QString, name);
    QTEST(Resources::namedItemStarts(roles, name, name + u", Level:"_s), "duplicate");
}

void TestResourceMechanics::halfProductRoundedUp_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("half");
    QTest::newRow("1x1") << 1 << 1 << 1;
    QTest::newRow("2x2") << 2 << 2 << 2;
    QTest::newRow("2x3") << 2 << 3 << 3;
    QTest::newRow("3x3") << 3 << 3 << 5;
    QTest::newRow("5x5") << 5 << 5 << 13;
    QTest::newRow("6x6") << 6 << 6 << 18;
    QTest::newRow("typed -3x1") << -3 << 1 << -1;
}

void TestResourceMechanics::halfProductRoundedUp()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QTEST(Resources::halfProductRoundedUp(a, b), "half");
}

void TestResourceMechanics::deleteRefunds_data()
{
    QTest::addColumn<SheetList>("list");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("poolAfter");
    QTest::newRow("song level") << SheetList::Songs << u"Celestial Song of Tongues ,Level:4"_s
                                << 14;
    QTest::newRow("skill level") << SheetList::Skills << u"Swimming Level:5"_s << 15;
    QTest::newRow("vessel one digit")
        << SheetList::Vessels << u"Dockworker ,Body Hits:15 ,Charisma:-1 Level:3 Cost:7"_s << 17;
    QTest::newRow("role two digits")
        << SheetList::Roles << u"Night Nurse, Level:5, Status:5, Cost:13"_s << 23;
    QTest::newRow("servant") << SheetList::Servants << u"Hound, Level:3, Class:1, Cost:2"_s << 12;
    QTest::newRow("artifact") << SheetList::Artifacts
                              << u"Celestial Artifact of Lamp ,Level:6 ,Modifier:6 ,Cost:24"_s
                              << 34;
    QTest::newRow("typed servant of cost 405")
        << SheetList::Servants << u"Hound, Level:90, Class:9, Cost:405"_s << 415;
    QTest::newRow("choir attunement") << SheetList::ChoirBandAttunements << u"Cost:99"_s << 15;
    QTest::newRow("superior attunement") << SheetList::SuperiorAttunements << u"x"_s << 20;
    QTest::newRow("distinction") << SheetList::Distinctions << u"Level:9"_s << 10;
}

// Pool 10, one item before and one after the selected one.
void TestResourceMechanics::deleteRefunds()
{
    QFETCH(SheetList, list);
    QFETCH(QString, item);
    RuleFixture f(10);
    f.sheet.setItems(list, {u"first"_s, item, u"last"_s});
    f.prompter.answers = {true};
    Resources::deleteResource(f.sheet, list, {Qt::RightButton, 1}, f.prompter);
    QCOMPARE(f.prompter.shown, QStringList{u"Do you wish to delete this item?"_s});
    QCOMPARE(f.sheet.items(list), (QStringList{u"first"_s, u"last"_s}));
    QTEST(f.sheet.number(SheetValue::CharacterPoints), "poolAfter");
}

void TestResourceMechanics::deleteAsksFirst_data()
{
    QTest::addColumn<SheetList>("list");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("shown");
    const QString ask = u"Do you wish to delete this item?"_s;
    const QString none = u"Nothing Selected for Delete."_s;
    QTest::newRow("left button") << SheetList::Songs << Qt::LeftButton << 1 << 0 << true
                                 << QStringList();
    QTest::newRow("middle button")
        << SheetList::Roles << Qt::MiddleButton << 1 << 0 << true << QStringList();
    QTest::newRow("answered no") << SheetList::Skills << Qt::RightButton << 1 << 0 << false
                                 << QStringList{ask};
    QTest::newRow("empty list") << SheetList::Vessels << Qt::RightButton << 0 << -1 << true
                                << QStringList{ask, none};
    QTest::newRow("empty list, no")
        << SheetList::Vessels << Qt::RightButton << 0 << -1 << false << QStringList{ask};
    QTest::newRow("nothing selected") << SheetList::SuperiorAttunements << Qt::RightButton << 2
                                      << -1 << true << QStringList{ask, none};
    QTest::newRow("row past the end")
        << SheetList::Servants << Qt::RightButton << 2 << 2 << true << QStringList{ask, none};
    QTest::newRow("discord nothing selected")
        << SheetList::Discords << Qt::RightButton << 1 << -1 << true << QStringList{ask, none};
}

void TestResourceMechanics::deleteAsksFirst()
{
    QFETCH(SheetList, list);
    QFETCH(int, items);
    RuleFixture f(10);
    QStringList before;
    for (int i = 0; i < items; ++i)
        before << u"Item Level:1, Cost:1"_s;
    f.sheet.setItems(list, before);
    QFETCH(bool, yes);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, row);
    f.prompter.answers = {yes};
    Resources::deleteResource(f.sheet, list, {button, row}, f.prompter);
    QTEST(f.prompter.shown, "shown");
    QCOMPARE(f.sheet.items(list), before);
    QCOMPARE(f.pool(), u"10"_s);
}

void TestResourceMechanics::deleteWithUnreadableCostChangesNothing_data()
{
    QTest::addColumn<QString>("pool");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("error");
    QTest::newRow("no cost in the item")
        << u"10"_s << u"Hound"_s << u"'Hound' is not a valid integer value"_s;
    QTest::newRow("pool not a number")
        << u"x"_s << u"Hound, Cost:2"_s << u"'x' is not a valid integer value"_s;
    QTest::newRow("pool read before the item")
        << u"x"_s << u"Hound"_s << u"'x' is not a valid integer value"_s;
    QTest::newRow("refund beyond 32 bits") << QString::number(std::numeric_limits<int>::max())
                                           << u"Hound, Cost:1"_s << u"Integer overflow"_s;
}

void TestResourceMechanics::deleteWithUnreadableCostChangesNothing()
{
    QFETCH(QString, pool);
    QFETCH(QString, item);
    RuleFixture f(0);
    f.sheet.setText(SheetValue::CharacterPoints, pool);
    f.sheet.setItems(SheetList::Servants, {item});
    f.prompter.answers = {true};
    QTEST(errorOf([&] {
              Resources::deleteResource(f.sheet, SheetList::Servants, {Qt::RightButton, 0},
                                        f.prompter);
          }),
          "error");
    QCOMPARE(f.pool(), pool);
    QCOMPARE(f.sheet.items(SheetList::Servants), QStringList{item});
}

void TestResourceMechanics::discordDeleteTakesValueBack_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<int>("poolAfter");
    const QString level4 = u"Corporeal Discord of Limp ,Level:4 ,Cost:12"_s;
    QTest::newRow("pool one short") << 11 << level4 << false << 11;
    QTest::newRow("pool exactly the value") << 12 << level4 << true << 0;
    QTest::newRow("pool above") << 20 << level4 << true << 8;
    QTest::newRow("typed negative value")
        << 0 << u"Corporeal Discord of Limp ,Level:-1 ,Cost:-3"_s << true << 3;
}

void TestResourceMechanics::discordDeleteTakesValueBack()
{
    QFETCH(QString, item);
    QFETCH(bool, deleted);
    QFETCH(int, pool);
    RuleFixture f(pool);
    f.sheet.setItems(SheetList::Discords, {item});
    f.prompter.answers = {true};
    Resources::deleteResource(f.sheet, SheetList::Discords, {Qt::RightButton, 0}, f.prompter);
    QStringList shown{u"Do you wish to delete this item?"_s};
    if (!deleted)
        shown << u"You do not have enough Character Points."_s;
    QCOMPARE(f.prompter.shown, shown);
    QCOMPARE(f.sheet.itemCount(SheetList::Discords), deleted ? 0 : 1);
    QTEST(f.sheet.number(SheetValue::CharacterPoints), "poolAfter");
}

void TestResourceMechanics::distinctionDeleteWithoutSelectionIsSilent()
{
    RuleFixture f(3);
    f.sheet.setItems(SheetList::Distinctions, {u"Medal"_s});
    f.prompter.answers = {true};
    Resources::deleteResource(f.sheet, SheetList::Distinctions, {Qt::RightButton, -1}, f.prompter);
    QCOMPARE(f.prompter.shown, QStringList{u"Do you wish to delete this item?"_s});
    QCOMPARE(f.sheet.items(SheetList::Distinctions), QStringList{u"Medal"_s});
}

void TestResourceMechanics::appendAndDeleteKeepTheModelWhole()
{
    RuleFixture f(10);
    QStringListModel *model = f.sheet.list(SheetList::Roles);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    Resources::appendAndSetPool(f.sheet, SheetList::Roles, u"Cook, Level:1, Status:1, Cost:1"_s, 9);
    Resources::appendAndSetPool(f.sheet, SheetList::Roles, u"Spy, Level:2, Status:2, Cost:2"_s, 7);
    f.prompter.answers = {true};
    Resources::deleteResource(f.sheet, SheetList::Roles, {Qt::RightButton, 0}, f.prompter);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(f.sheet.items(SheetList::Roles), QStringList{u"Spy, Level:2, Status:2, Cost:2"_s});
    QCOMPARE(f.pool(), u"8"_s);
}

QTEST_GUILESS_MAIN(TestResourceMechanics)
#include "tst_resource_mechanics.moc"
