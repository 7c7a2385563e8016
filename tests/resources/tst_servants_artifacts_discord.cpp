#include "resources/RuleFixture.h"
#include "resources/ServantsArtifactsDiscord.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString typeMessage = u"You must first select a Character Type."_s;
const QString poorMessage = u"You do not have enough Character Points."_s;
const QString servantName = u"You must enter a Servant Name."_s;
const QString servantTwice = u"This is a duplicate Servant."_s;
const QString artifactTypeEarly = u"You must select an Artifact Type."_s;
const QString artifactDescription = u"You must enter an Artifact Description."_s;
const QString artifactType = u"You must first select an Artifact Type."_s;
const QString artifactModifier = u"You can not modify this Artifact by this amount."_s;
const QString artifactTwice = u"You already have that Artifact."_s;
const QString discordDescription = u"You must enter a Discord Description."_s;
const QString discordType = u"You must select a Discord Type."_s;
const QString discordTwice = u"You already have that Discord."_s;

Resources::Choice realm(int index)
{
    return {index};
}

// Columns every Add table shares: how the sheet starts and what it holds afterwards.
void addOutcomeColumns()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("pool");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("item"); // empty: refused
    QTest::addColumn<QString>("poolAfter");
}

} // namespace

class TestServantsArtifactsDiscord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addServant_data();
    void addServant();
    void addArtifact_data();
    void addArtifact();
    void addDiscord_data();
    void addDiscord();

private:
    void checkAdd(SheetList list, const std::function<void(RuleFixture &)> &add);
};

void TestServantsArtifactsDiscord::checkAdd(SheetList list,
                                            const std::function<void(RuleFixture &)> &add)
{
    QFETCH(bool, typed);
    QFETCH(QString, pool);
    QFETCH(QStringList, existing);
    QFETCH(QString, item);
    RuleFixture f(0, typed);
    f.sheet.setText(SheetValue::CharacterPoints, pool);
    f.sheet.setItems(list, existing);
    QTEST(errorOf([&] { add(f); }), "error");
    QTEST(f.prompter.shown, "shown");
    QCOMPARE(f.sheet.items(list), item.isEmpty() ? existing : existing + QStringList{item});
    QTEST(f.pool(), "poolAfter");
}

void TestServantsArtifactsDiscord::addServant_data()
{
    addOutcomeColumns();
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("servantClass");
    const QStringList hound = {u"Hound, Level:3, Class:1, Cost:2"_s};
    const QString none;

    QTest::newRow("3 by 3 costs 5") << true << u"5"_s << hound << QStringList() << none
                                    << u"Ratcatcher, Level:3, Class:3, Cost:5"_s << u"0"_s
                                    << u"Ratcatcher"_s << u"3"_s << u"3"_s;
    QTest::newRow("2 by 2 costs 2")
        << true << u"5"_s << QStringList() << QStringList() << none
        << u"Cat, Level:2, Class:2, Cost:2"_s << u"3"_s << u"Cat"_s << u"2"_s << u"2"_s;
    QTest::newRow("1 by 1 costs 1")
        << true << u"5"_s << QStringList() << QStringList() << none
        << u"Rat, Level:1, Class:1, Cost:1"_s << u"4"_s << u"Rat"_s << u"1"_s << u"1"_s;
    QTest::newRow("typed level 8 used as typed")
        << true << u"5"_s << QStringList() << QStringList() << none
        << u"Bear, Level:8, Class:1, Cost:4"_s << u"1"_s << u"Bear"_s << u"8"_s << u"1"_s;
    QTest::newRow("typed plus sign kept")
        << true << u"5"_s << QStringList() << QStringList() << none
        << u"Owl, Level:+2, Class:1, Cost:1"_s << u"4"_s << u"Owl"_s << u"+2"_s << u"1"_s;
    QTest::newRow("no character type")
        << false << u"5"_s << QStringList() << QStringList{typeMessage} << none << none << u"5"_s
        << u"Rat"_s << u"1"_s << u"1"_s;
    QTest::newRow("points before name")
        << true << u"4"_s << QStringList() << QStringList{poorMessage} << none << none << u"4"_s
        << u"Enter Name of Servant"_s << u"3"_s << u"3"_s;
    QTest::newRow("placeholder name")
        << true << u"9"_s << QStringList() << QStringList{servantName} << none << none << u"9"_s
        << u"Enter Name of Servant"_s << u"1"_s << u"1"_s;
    QTest::newRow("name inside an older item")
        << true << u"9"_s << hound << QStringList() << none << u"Hou, Level:1, Class:1, Cost:1"_s
        << u"8"_s << u"Hou"_s << u"1"_s << u"1"_s;
    QTest::newRow("same name other level")
        << true << u"9"_s << hound << QStringList{servantTwice} << none << none << u"9"_s
        << u"Hound"_s << u"1"_s << u"1"_s;
    QTest::newRow("typed non-number, no type") << false << u"9"_s << QStringList() << QStringList()
                                               << u"'two' is not a valid integer value"_s << none
                                               << u"9"_s << u"Rat"_s << u"two"_s << u"1"_s;
    QTest::newRow("typed level 900000000")
        << true << u"9"_s << QStringList() << QStringList() << u"Integer overflow"_s << none
        << u"9"_s << u"Rat"_s << u"900000000"_s << u"6"_s;
}

void TestServantsArtifactsDiscord::addServant()
{
    QFETCH(QString, name);
    QFETCH(QString, level);
    QFETCH(QString, servantClass);
    checkAdd(SheetList::Servants, [&](RuleFixture &f) {
        Resources::addServant(f.sheet, {name, level, servantClass}, f.prompter);
    });
}

void TestServantsArtifactsDiscord::addArtifact_data()
{
    addOutcomeColumns();
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("modifier");
    const QStringList swordfish = {
        u"Corporeal Artifact of Swordfish ,Level:1 ,Modifier:0 ,Cost:1"_s};
    const QString none;

    QTest::newRow("celestial 6 modifier 6 costs 24")
        << true << u"24"_s << QStringList() << QStringList() << none
        << u"Celestial Artifact of Lamp ,Level:6 ,Modifier:6 ,Cost:24"_s << u"0"_s << u"Lamp"_s << 2
        << u"6"_s << u"6"_s;
    QTest::newRow("ethereal 2 modifier -3 costs 1")
        << true << u"5"_s << QStringList() << QStringList() << none
        << u"Ethereal Artifact of Key ,Level:2 ,Modifier:-3 ,Cost:1"_s << u"4"_s << u"Key"_s << 1
        << u"2"_s << u"-3"_s;
    QTest::newRow("corporeal 1 modifier 0 costs 1")
        << true << u"1"_s << QStringList() << QStringList() << none
        << u"Corporeal Artifact of Coin ,Level:1 ,Modifier:0 ,Cost:1"_s << u"0"_s << u"Coin"_s << 0
        << u"1"_s << u"0"_s;
    QTest::newRow("corporeal 1 modifier -1 refused")
        << true << u"5"_s << QStringList() << QStringList{artifactModifier} << none << none
        << u"5"_s << u"Coin"_s << 0 << u"1"_s << u"-1"_s;
    QTest::newRow("no type, typed and described")
        << true << u"5"_s << QStringList() << QStringList{artifactTypeEarly, artifactType} << none
        << none << u"5"_s << u"Coin"_s << -1 << u"1"_s << u"0"_s;
    QTest::newRow("no type, no character type")
        << false << u"5"_s << QStringList() << QStringList{artifactTypeEarly, typeMessage} << none
        << none << u"5"_s << u"Coin"_s << -1 << u"1"_s << u"0"_s;
    QTest::newRow("no type, placeholder")
        << true << u"5"_s << QStringList() << QStringList{artifactTypeEarly, artifactDescription}
        << none << none << u"5"_s << u"Enter Artifact Description"_s << -1 << u"1"_s << u"0"_s;
    QTest::newRow("modifier before duplicate")
        << true << u"5"_s << swordfish << QStringList{artifactModifier} << none << none << u"5"_s
        << u"Sword"_s << 0 << u"1"_s << u"-1"_s;
    QTest::newRow("same type, part of an older name")
        << true << u"5"_s << swordfish << QStringList() << none
        << u"Corporeal Artifact of Sword ,Level:3 ,Modifier:2 ,Cost:5"_s << u"0"_s << u"Sword"_s
        << 0 << u"3"_s << u"2"_s;
    QTest::newRow("duplicate before points")
        << true << u"0"_s << swordfish << QStringList{artifactTwice} << none << none << u"0"_s
        << u"Swordfish"_s << 0 << u"3"_s << u"2"_s;
    QTest::newRow("other type") << true << u"5"_s << swordfish << QStringList() << none
                                << u"Ethereal Artifact of Sword ,Level:1 ,Modifier:0 ,Cost:2"_s
                                << u"3"_s << u"Sword"_s << 1 << u"1"_s << u"0"_s;
    QTest::newRow("one point short")
        << true << u"23"_s << QStringList() << QStringList{poorMessage} << none << none << u"23"_s
        << u"Lamp"_s << 2 << u"6"_s << u"6"_s;
    QTest::newRow("typed non-number before every guard")
        << false << u"5"_s << QStringList() << QStringList()
        << u"'1.5' is not a valid integer value"_s << none << u"5"_s << u"Lamp"_s << -1 << u"1.5"_s
        << u"0"_s;
    QTest::newRow("typed level 900000000")
        << true << u"5"_s << QStringList() << QStringList() << u"Integer overflow"_s << none
        << u"5"_s << u"Lamp"_s << 2 << u"900000000"_s << u"0"_s;
}

void TestServantsArtifactsDiscord::addArtifact()
{
    QFETCH(QString, description);
    QFETCH(int, type);
    QFETCH(QString, level);
    QFETCH(QString, modifier);
    checkAdd(SheetList::Artifacts, [&](RuleFixture &f) {
        Resources::addArtifact(f.sheet, {description, realm(type), level, modifier}, f.prompter);
    });
}

void TestServantsArtifactsDiscord::addDiscord_data()
{
    addOutcomeColumns();
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("level");
    const QStringList dread = {u"Celestial Discord of Dread ,Level:3 ,Cost:9"_s};
    const QString none;

    QTest::newRow("level 4 adds 12 to an empty pool")
        << true << u"0"_s << QStringList() << QStringList() << none
        << u"Corporeal Discord of Limp ,Level:4 ,Cost:12"_s << u"12"_s << u"Limp"_s << 0 << u"4"_s;
    QTest::newRow("no character type")
        << false << u"0"_s << QStringList() << QStringList{typeMessage} << none << none << u"0"_s
        << u"Limp"_s << 0 << u"4"_s;
    QTest::newRow("placeholder") << true << u"0"_s << QStringList()
                                 << QStringList{discordDescription} << none << none << u"0"_s
                                 << u"Enter Discord Description"_s << 0 << u"4"_s;
    QTest::newRow("no discord type") << true << u"0"_s << dread << QStringList{discordType} << none
                                     << none << u"0"_s << u"Dread"_s << -1 << u"4"_s;
    QTest::newRow("same discord other level")
        << true << u"0"_s << dread << QStringList{discordTwice} << none << none << u"0"_s
        << u"Dread"_s << 2 << u"1"_s;
    QTest::newRow("same type, part of an older name")
        << true << u"0"_s << dread << QStringList() << none
        << u"Celestial Discord of Dre ,Level:1 ,Cost:3"_s << u"3"_s << u"Dre"_s << 2 << u"1"_s;
    QTest::newRow("other type") << true << u"0"_s << dread << QStringList() << none
                                << u"Ethereal Discord of Dread ,Level:1 ,Cost:3"_s << u"3"_s
                                << u"Dread"_s << 1 << u"1"_s;
    QTest::newRow("typed negative level lowers the pool")
        << true << u"0"_s << QStringList() << QStringList() << none
        << u"Corporeal Discord of Limp ,Level:-1 ,Cost:-3"_s << u"-3"_s << u"Limp"_s << 0
        << u"-1"_s;
    QTest::newRow("typed non-number, no character type")
        << false << u"0"_s << QStringList() << QStringList{typeMessage} << none << none << u"0"_s
        << u"Limp"_s << 0 << u"x"_s;
    QTest::newRow("typed non-number")
        << true << u"0"_s << QStringList() << QStringList() << u"'x' is not a valid integer value"_s
        << none << u"0"_s << u"Limp"_s << 0 << u"x"_s;
    QTest::newRow("typed level 900000000")
        << true << u"0"_s << QStringList() << QStringList() << u"Integer overflow"_s << none
        << u"0"_s << u"Limp"_s << 0 << u"900000000"_s;
    QTest::newRow("pool near the limit")
        << true << u"2147483640"_s << QStringList() << QStringList() << u"Integer overflow"_s
        << none << u"2147483640"_s << u"Limp"_s << 0 << u"6"_s;
}

void TestServantsArtifactsDiscord::addDiscord()
{
    QFETCH(QString, description);
    QFETCH(int, type);
    QFETCH(QString, level);
    checkAdd(SheetList::Discords, [&](RuleFixture &f) {
        Resources::addDiscord(f.sheet, {description, realm(type), level}, f.prompter);
    });
}

QTEST_GUILESS_MAIN(TestServantsArtifactsDiscord)
#include "tst_servants_artifacts_discord.moc"
