#include "resources/DeleteSequence.h"
#include "resources/RuleFixture.h"
#include "resources/SongsSkills.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString typeMessage = u"You must first select a Character Type."_s;
const QString poorMessage = u"You do not have enough Character Points."_s;
const QString songName = u"You must first enter a Song Name."_s;
const QString songType = u"You must first select a Song Type."_s;
const QString songTwice = u"You already have that song."_s;
const QString skillName = u"You must first enter a Skill."_s;
const QString skillTwice = u"You already have that Skill."_s;

Resources::Choice realm(int index)
{
    return {index};
}

} // namespace

class TestSongsSkills : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addSong_data();
    void addSong();
    void addSkill_data();
    void addSkill();
    void deleteThenAddLeavesThePool();
};

void TestSongsSkills::addSong_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("pool");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("item"); // empty: refused
    QTest::addColumn<int>("poolAfter");
    const QStringList charm = {u"Ethereal Song of Charm ,Level:2"_s};

    QTest::newRow("bought") << true << 10 << charm << u"Tongues"_s << 2 << u"4"_s << QStringList()
                            << u"Celestial Song of Tongues ,Level:4"_s << 6;
    QTest::newRow("whole pool") << true << 3 << QStringList() << u"Charm"_s << 1 << u"3"_s
                                << QStringList() << u"Ethereal Song of Charm ,Level:3"_s << 0;
    QTest::newRow("one point short") << true << 3 << QStringList() << u"Charm"_s << 1 << u"4"_s
                                     << QStringList{poorMessage} << QString() << 3;
    QTest::newRow("no character type")
        << false << 10 << QStringList() << u"Enter Name of Song"_s << -1 << u"1"_s
        << QStringList{typeMessage} << QString() << 10;
    QTest::newRow("placeholder name") << true << 10 << QStringList() << u"Enter Name of Song"_s
                                      << -1 << u"1"_s << QStringList{songName} << QString() << 10;
    QTest::newRow("placeholder in lower case")
        << true << 10 << QStringList() << u"enter name of song"_s << 0 << u"1"_s << QStringList()
        << u"Corporeal Song of enter name of song ,Level:1"_s << 9;
    QTest::newRow("no song type") << true << 10 << QStringList() << u"Charm"_s << -1 << u"1"_s
                                  << QStringList{songType} << QString() << 10;
    QTest::newRow("nameless") << true << 10 << QStringList() << QString() << 0 << u"1"_s
                              << QStringList() << u"Corporeal Song of  ,Level:1"_s << 9;
    QTest::newRow("same song other level") << true << 10 << charm << u"Charm"_s << 1 << u"5"_s
                                           << QStringList{songTwice} << QString() << 10;
    QTest::newRow("duplicate before points") << true << 1 << charm << u"Charm"_s << 1 << u"5"_s
                                             << QStringList{songTwice} << QString() << 1;
    QTest::newRow("same name other type")
        << true << 10 << charm << u"Charm"_s << 2 << u"2"_s << QStringList()
        << u"Celestial Song of Charm ,Level:2"_s << 8;
}

void TestSongsSkills::addSong()
{
    QFETCH(bool, typed);
    QFETCH(int, pool);
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QString, level);
    QFETCH(QString, item);
    RuleFixture f(pool, typed);
    f.sheet.setItems(SheetList::Songs, existing);
    Resources::addSong(f.sheet, {name, realm(type), level}, f.prompter);
    QTEST(f.prompter.shown, "shown");
    QCOMPARE(f.sheet.items(SheetList::Songs),
             item.isEmpty() ? existing : existing + QStringList{item});
    QTEST(f.sheet.number(SheetValue::CharacterPoints), "poolAfter");
}

void TestSongsSkills::addSkill_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("pool");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("item"); // empty: refused
    const QStringList knife = {u"Knife Fighting Level:2"_s};

    QTest::newRow("bought") << true << u"3"_s << knife << u"Driving"_s << u"1"_s << QStringList()
                            << QString() << u"Driving Level:1"_s;
    QTest::newRow("no character type") << false << u"3"_s << knife << u"Driving"_s << u"1"_s
                                       << QStringList{typeMessage} << QString() << QString();
    QTest::newRow("placeholder name") << true << u"3"_s << knife << u"Enter a Skill"_s << u"1"_s
                                      << QStringList{skillName} << QString() << QString();
    QTest::newRow("too few points") << true << u"3"_s << knife << u"Driving"_s << u"4"_s
                                    << QStringList{poorMessage} << QString() << QString();
    QTest::newRow("end of an older name") << true << u"3"_s << knife << u"Fighting"_s << u"1"_s
                                          << QStringList() << QString() << u"Fighting Level:1"_s;
    QTest::newRow("same skill other level")
        << true << u"6"_s << knife << u"Knife Fighting"_s << u"3"_s << QStringList{skillTwice}
        << QString() << QString();
    QTest::newRow("points before duplicate")
        << true << u"1"_s << knife << u"Knife Fighting"_s << u"3"_s << QStringList{poorMessage}
        << QString() << QString();
    QTest::newRow("pool read before the type guard")
        << false << u"x"_s << knife << u"Driving"_s << u"1"_s << QStringList()
        << u"'x' is not a valid integer value"_s << QString();
    QTest::newRow("pool beyond 32 bits")
        << true << u"2147483647"_s << QStringList() << u"Driving"_s << u"-1"_s << QStringList()
        << u"Integer overflow"_s << QString();
}

void TestSongsSkills::addSkill()
{
    QFETCH(bool, typed);
    QFETCH(QString, pool);
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    QFETCH(QString, level);
    QFETCH(QString, item);
    RuleFixture f(0, typed);
    f.sheet.setText(SheetValue::CharacterPoints, pool);
    f.sheet.setItems(SheetList::Skills, existing);
    QTEST(errorOf([&] { Resources::addSkill(f.sheet, {name, level}, f.prompter); }), "error");
    QTEST(f.prompter.shown, "shown");
    if (item.isEmpty()) {
        QCOMPARE(f.sheet.items(SheetList::Skills), existing);
        QCOMPARE(f.pool(), pool);
    } else {
        QCOMPARE(f.sheet.items(SheetList::Skills), existing + QStringList{item});
        QCOMPARE(f.sheet.number(SheetValue::CharacterPoints), pool.toInt() - level.toInt());
    }
}

void TestSongsSkills::deleteThenAddLeavesThePool()
{
    RuleFixture f(20);
    Resources::addSong(f.sheet, {u"Charm"_s, realm(1), u"6"_s}, f.prompter);
    Resources::addSkill(f.sheet, {u"Swimming"_s, u"5"_s}, f.prompter);
    QCOMPARE(f.pool(), u"9"_s);
    f.prompter.answers = {true, true};
    Resources::deleteResource(f.sheet, SheetList::Songs, {Qt::RightButton, 0}, f.prompter);
    Resources::deleteResource(f.sheet, SheetList::Skills, {Qt::RightButton, 0}, f.prompter);
    QCOMPARE(f.pool(), u"20"_s);
    Resources::addSong(f.sheet, {u"Charm"_s, realm(1), u"6"_s}, f.prompter);
    Resources::addSkill(f.sheet, {u"Swimming"_s, u"5"_s}, f.prompter);
    QCOMPARE(f.pool(), u"9"_s);
    QCOMPARE(f.sheet.items(SheetList::Songs), QStringList{u"Ethereal Song of Charm ,Level:6"_s});
    QCOMPARE(f.sheet.items(SheetList::Skills), QStringList{u"Swimming Level:5"_s});
}

QTEST_GUILESS_MAIN(TestSongsSkills)
#include "tst_songs_skills.moc"
