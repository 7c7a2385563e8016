#include "RuleFixture.h"
#include "resources/ResourceKinds.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Each kind's description hands the page's entry to its own rule, with the numbers in the order
// of the page's boxes, and names the delete that kind needs.
class TestResourceKinds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addRuleTakesTheEntryInPageOrder_data();
    void addRuleTakesTheEntryInPageOrder();
    void deleteRuleRefundsAsTheKindRecords_data();
    void deleteRuleRefundsAsTheKindRecords();
};

void TestResourceKinds::addRuleTakesTheEntryInPageOrder_data()
{
    QTest::addColumn<SheetList>("list");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("poolAfter");

    QTest::newRow("song") << SheetList::Songs << u"Charm"_s << 1 << QStringList{u"2"_s}
                          << u"Ethereal Song of Charm ,Level:2"_s << u"28"_s;
    QTest::newRow("skill") << SheetList::Skills << u"Swimming"_s << -1 << QStringList{u"3"_s}
                           << u"Swimming Level:3"_s << u"27"_s;
    QTest::newRow("vessel: level, then Charisma")
        << SheetList::Vessels << u"Human"_s << -1 << QStringList{u"2"_s, u"1"_s}
        << u"Human ,Body Hits:15 ,Charisma:1 Level:2 Cost:8"_s << u"22"_s;
    QTest::newRow("role: level, then status")
        << SheetList::Roles << u"Bartender"_s << -1 << QStringList{u"2"_s, u"3"_s}
        << u"Bartender, Level:2, Status:3, Cost:3"_s << u"27"_s;
    QTest::newRow("servant: level, then class")
        << SheetList::Servants << u"Hound"_s << -1 << QStringList{u"3"_s, u"1"_s}
        << u"Hound, Level:3, Class:1, Cost:2"_s << u"28"_s;
    QTest::newRow("artifact: level, then modifier")
        << SheetList::Artifacts << u"Lamp"_s << 2 << QStringList{u"2"_s, u"-1"_s}
        << u"Celestial Artifact of Lamp ,Level:2 ,Modifier:-1 ,Cost:5"_s << u"25"_s;
    QTest::newRow("discord gives") << SheetList::Discords << u"Limp"_s << 0 << QStringList{u"2"_s}
                                   << u"Corporeal Discord of Limp ,Level:2 ,Cost:6"_s << u"36"_s;
    // A name is stored as typed, even where it looks like the format's placeholders.
    QTest::newRow("song named like placeholders")
        << SheetList::Songs << u"%2 of %1"_s << 0 << QStringList{u"1"_s}
        << u"Corporeal Song of %2 of %1 ,Level:1"_s << u"29"_s;
    QTest::newRow("vessel named like placeholders")
        << SheetList::Vessels << u"%1%5"_s << -1 << QStringList{u"2"_s, u"1"_s}
        << u"%1%5 ,Body Hits:15 ,Charisma:1 Level:2 Cost:8"_s << u"22"_s;
    QTest::newRow("distinction is free")
        << SheetList::Distinctions << u"Knight"_s << -1 << QStringList() << u"Knight"_s << u"30"_s;
    QTest::newRow("choir attunement") << SheetList::ChoirBandAttunements << u"Seraph"_s << -1
                                      << QStringList() << u"Seraph"_s << u"25"_s;
    QTest::newRow("superior attunement") << SheetList::SuperiorAttunements << u"Word"_s << -1
                                         << QStringList() << u"Word"_s << u"20"_s;
}

void TestResourceKinds::addRuleTakesTheEntryInPageOrder()
{
    QFETCH(SheetList, list);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QStringList, numbers);
    RuleFixture f(30);
    f.sheet.setNumber(SheetValue::Strength, 3);
    f.sheet.setNumber(SheetValue::Corporeal, 3);
    const Resources::Choice choice{type};
    Resources::resourceKind(list).addRule(f.sheet, {name, choice, numbers}, f.prompter);
    QCOMPARE(f.prompter.shown, QStringList());
    QTEST(f.sheet.items(list).value(0), "item");
    QTEST(f.pool(), "poolAfter");
}

void TestResourceKinds::deleteRuleRefundsAsTheKindRecords_data()
{
    QTest::addColumn<SheetList>("list");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("poolAfter");
    QTest::newRow("skill gives its level back")
        << SheetList::Skills << u"Swimming Level:3"_s << u"13"_s;
    QTest::newRow("superior attunement gives 10")
        << SheetList::SuperiorAttunements << u"Level:3"_s << u"20"_s;
    QTest::newRow("choir attunement gives 5")
        << SheetList::ChoirBandAttunements << u"Cost:9"_s << u"15"_s;
    QTest::newRow("discord takes its value")
        << SheetList::Discords << u"Corporeal Discord of Limp ,Level:2 ,Cost:6"_s << u"4"_s;
    QTest::newRow("distinction gives nothing") << SheetList::Distinctions << u"Cost:9"_s << u"10"_s;
}

void TestResourceKinds::deleteRuleRefundsAsTheKindRecords()
{
    QFETCH(SheetList, list);
    QFETCH(QString, item);
    RuleFixture f(10);
    f.sheet.setItems(list, {item});
    f.prompter.answers = {true};
    Resources::resourceKind(list).deleteRule(f.sheet, list, {Qt::RightButton, 0}, f.prompter);
    QCOMPARE(f.sheet.itemCount(list), 0);
    QTEST(f.pool(), "poolAfter");
}

QTEST_GUILESS_MAIN(TestResourceKinds)
#include "tst_resource_kinds.moc"
