#include "SheetHelpers.h"
#include "common/QuillError.h"
#include "sheet/CharacterSheet.h"
#include "sheet/Forces.h"
#include "sheet/TypeGuard.h"
#include "support/RecordingPrompter.h"

#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;
using namespace SheetHelpers;
using Forces::Realm;

namespace {

using Action = std::function<void(CharacterSheet &, Prompter &)>;

Action raise(Realm realm)
{
    return [realm](CharacterSheet &s, Prompter &p) { Forces::raise(s, realm, p); };
}
Action lower(Realm realm)
{
    return [realm](CharacterSheet &s, Prompter &p) { Forces::lower(s, realm, p); };
}
Action up(Realm realm)
{
    return [realm](CharacterSheet &s, Prompter &p) { Forces::moveCharacteristicUp(s, realm, p); };
}
Action down(Realm realm)
{
    return [realm](CharacterSheet &s, Prompter &p) { Forces::moveCharacteristicDown(s, realm, p); };
}

QList<std::pair<QString, Action>> allTwelve()
{
    QList<std::pair<QString, Action>> all;
    const QList<std::pair<QString, Realm>> realms = {{u"Corp"_s, Realm::Corporeal},
                                                     {u"Ether"_s, Realm::Ethereal},
                                                     {u"Celestial"_s, Realm::Celestial}};
    for (const auto &[name, realm] : realms) {
        all.append({name + u"Up"_s, up(realm)});
        all.append({name + u"Down"_s, down(realm)});
        all.append({name + u"ForcesUp"_s, raise(realm)});
        all.append({name + u"ForcesDown"_s, lower(realm)});
    }
    return all;
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestForces : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyButtonNeedsAType_data();
    void everyButtonNeedsAType();
    void damagedValueStopsBeforeAnyWrite_data();
    void damagedValueStopsBeforeAnyWrite();
    void characteristicMoves_data();
    void characteristicMoves();
    void forceChanges_data();
    void forceChanges();
    void raiseAtSixIsRefusedBeforeTheTotalTest();
    void soldierPlacesItsLastForces();
    void overflowStopsBeforeAnyWrite();
};

void TestForces::everyButtonNeedsAType_data()
{
    QTest::addColumn<Action>("action");
    for (const auto &[name, action] : allTwelve())
        QTest::newRow(qPrintable(name)) << action;
}

void TestForces::everyButtonNeedsAType()
{
    QFETCH(Action, action);
    CharacterSheet sheet;
    const QStringList before = texts(sheet);
    RecordingPrompter prompter;
    action(sheet, prompter);
    QCOMPARE(prompter.shown, QStringList{u"You must select a Character Type first."_s});
    QCOMPARE(texts(sheet), before);
    QCOMPARE(sheet.totalColour(), TotalColour::Menu);
}

void TestForces::damagedValueStopsBeforeAnyWrite_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<SheetValue>("damaged");
    QTest::newRow("strength, corporeal up") << up(Realm::Corporeal) << SheetValue::Strength;
    QTest::newRow("agility, corporeal down") << down(Realm::Corporeal) << SheetValue::Agility;
    QTest::newRow("ethereal, ether up") << up(Realm::Ethereal) << SheetValue::Ethereal;
    QTest::newRow("precision, ether down") << down(Realm::Ethereal) << SheetValue::Precision;
    QTest::newRow("total, raise") << raise(Realm::Corporeal) << SheetValue::TotalForces;
    QTest::newRow("celestial, raise corporeal") << raise(Realm::Corporeal) << SheetValue::Celestial;
    QTest::newRow("celestial, lower ethereal") << lower(Realm::Ethereal) << SheetValue::Celestial;
}

void TestForces::damagedValueStopsBeforeAnyWrite()
{
    QFETCH(Action, action);
    QFETCH(SheetValue, damaged);
    CharacterSheet sheet;
    choose(sheet, 4);
    sheet.setText(damaged, u"x"_s);
    const QStringList before = texts(sheet);
    RecordingPrompter prompter;
    try {
        action(sheet, prompter);
        QFAIL("no error raised");
    } catch (const QuillError &error) {
        QCOMPARE(error.message(), u"'x' is not a valid integer value"_s);
    }
    QCOMPARE(texts(sheet), before);
    QVERIFY(prompter.shown.isEmpty());
    QCOMPARE(sheet.totalColour(), TotalColour::Red);
}

void TestForces::characteristicMoves_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QList<int>>("before"); // force, first, second
    QTest::addColumn<QList<int>>("after");  // first, second, hits (-1: realm has none)

    const auto c = Realm::Corporeal;
    const auto e = Realm::Ethereal;
    const auto l = Realm::Celestial;
    QTest::newRow("strength up from 6/6") << up(c) << QList{3, 6, 6} << QList{7, 5, -1};
    QTest::newRow("strength blocked at 11/1") << up(c) << QList{3, 11, 1} << QList{11, 1, -1};
    QTest::newRow("strength down from 11/1") << down(c) << QList{3, 11, 1} << QList{10, 2, -1};
    QTest::newRow("agility blocked at 1/11") << down(c) << QList{3, 1, 11} << QList{1, 11, -1};
    QTest::newRow("strength up to 12") << up(c) << QList{6, 11, 12} << QList{12, 11, -1};
    QTest::newRow("agility above 12 blocks") << up(c) << QList{6, 11, 13} << QList{11, 13, -1};
    QTest::newRow("strength 0 blocks") << down(c) << QList{1, 0, 4} << QList{0, 4, -1};
    QTest::newRow("strength blocked at 12") << up(c) << QList{6, 12, 12} << QList{12, 12, -1};
    QTest::newRow("intelligence up, mind hits") << up(e) << QList{3, 6, 6} << QList{7, 5, 21};
    QTest::newRow("precision up, mind hits") << down(e) << QList{3, 6, 6} << QList{5, 7, 15};
    QTest::newRow("ether blocked, hits recomputed") << up(e) << QList{2, 7, 1} << QList{7, 1, 14};
    QTest::newRow("will up, soul hits") << up(l) << QList{1, 2, 2} << QList{3, 1, 3};
    QTest::newRow("will blocked at 1/1") << down(l) << QList{1, 1, 1} << QList{1, 1, 1};
    QTest::newRow("remnant's will stays 0") << up(l) << QList{0, 0, 0} << QList{0, 0, 0};
}

void TestForces::characteristicMoves()
{
    QFETCH(Action, action);
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, after);
    CharacterSheet sheet;
    choose(sheet, 0);
    const struct
    {
        SheetValue force, first, second, hits;
    } realms[] = {
        {SheetValue::Corporeal, SheetValue::Strength, SheetValue::Agility, SheetValue::MindHits},
        {SheetValue::Ethereal, SheetValue::Intelligence, SheetValue::Precision,
         SheetValue::MindHits},
        {SheetValue::Celestial, SheetValue::Will, SheetValue::Perception, SheetValue::SoulHits}};
    // Set the same values in every realm; only the acted-on realm may change.
    for (const auto &r : realms)
        setNumbers(sheet, {{r.force, before[0]}, {r.first, before[1]}, {r.second, before[2]}});
    sheet.setNumber(SheetValue::MindHits, 999);
    sheet.setNumber(SheetValue::SoulHits, 999);
    RecordingPrompter prompter;
    const TotalColour colour = sheet.totalColour();
    action(sheet, prompter);

    QVERIFY(prompter.shown.isEmpty());
    QCOMPARE(sheet.totalColour(), colour);
    int moved = 0;
    for (const auto &r : realms) {
        const QList<int> now = {sheet.number(r.first), sheet.number(r.second)};
        if (now != QList{before[1], before[2]}) {
            QCOMPARE(now, after.first(2));
            ++moved;
        }
    }
    QCOMPARE(moved, after.first(2) == before.sliced(1) ? 0 : 1);
    const int hits = after[2];
    if (hits < 0) {
        QCOMPARE(sheet.number(SheetValue::MindHits), 999);
        QCOMPARE(sheet.number(SheetValue::SoulHits), 999);
    } else {
        const int mind = sheet.number(SheetValue::MindHits);
        const int soul = sheet.number(SheetValue::SoulHits);
        QVERIFY2((mind == hits) != (soul == hits), "exactly one realm's hits recomputed");
        QVERIFY(mind == 999 || soul == 999);
    }
}

void TestForces::forceChanges_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QList<int>>("forces"); // corporeal, ethereal, celestial afterwards
    QTest::addColumn<QList<int>>("pairs");  // strength, agility, int, prec, will, perc
    QTest::addColumn<QList<int>>("hits");   // mind, soul
    QTest::addColumn<TotalColour>("colour");

    const QList<int> angelPairs = {6, 6, 6, 6, 6, 6};
    QTest::newRow("angel raise corporeal at total")
        << 0 << raise(Realm::Corporeal) << u"You can not exceed your total forces."_s
        << QList{3, 3, 3} << angelPairs << QList{18, 18} << TotalColour::Green;
    QTest::newRow("angel raise ethereal at total")
        << 0 << raise(Realm::Ethereal) << u"You cannot exceed your total forces."_s
        << QList{3, 3, 3} << angelPairs << QList{18, 18} << TotalColour::Green;
    QTest::newRow("angel raise celestial at total")
        << 0 << raise(Realm::Celestial) << u"You cannot exceed your total forces."_s
        << QList{3, 3, 3} << angelPairs << QList{18, 18} << TotalColour::Green;
    QTest::newRow("angel lower corporeal")
        << 0 << lower(Realm::Corporeal) << QString() << QList{2, 3, 3} << QList{4, 4, 6, 6, 6, 6}
        << QList{18, 18} << TotalColour::Red;
    QTest::newRow("angel lower celestial")
        << 0 << lower(Realm::Celestial) << QString() << QList{3, 3, 2} << QList{6, 6, 6, 6, 4, 4}
        << QList{18, 8} << TotalColour::Red;
    QTest::newRow("soldier raise ethereal")
        << 4 << raise(Realm::Ethereal) << QString() << QList{2, 2, 1} << QList{4, 4, 4, 4, 2, 2}
        << QList{8, 2} << TotalColour::Red;
    QTest::newRow("soldier lower ethereal at 1")
        << 4 << lower(Realm::Ethereal) << u"You may not go below 1 force."_s << QList{2, 1, 1}
        << QList{4, 4, 2, 2, 2, 2} << QList{2, 2} << TotalColour::Red;
    QTest::newRow("mundane lower celestial at 1 sets green")
        << 7 << lower(Realm::Celestial) << u"You may not go below 1 force."_s << QList{2, 2, 1}
        << QList{4, 4, 4, 4, 2, 2} << QList{8, 2} << TotalColour::Green;
}

void TestForces::forceChanges()
{
    QFETCH(int, type);
    QFETCH(Action, action);
    QFETCH(QString, message);
    QFETCH(QList<int>, forces);
    QFETCH(QList<int>, pairs);
    QFETCH(QList<int>, hits);
    QFETCH(TotalColour, colour);

    CharacterSheet sheet;
    choose(sheet, type);
    const int points = sheet.number(SheetValue::CharacterPoints);
    const int total = sheet.number(SheetValue::TotalForces);
    // A colour the rule must overwrite, refused or not.
    sheet.setTotalColour(TotalColour::Menu);
    RecordingPrompter prompter;
    action(sheet, prompter);

    QCOMPARE(prompter.shown, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE((QList{sheet.number(SheetValue::Corporeal), sheet.number(SheetValue::Ethereal),
                    sheet.number(SheetValue::Celestial)}),
             forces);
    QCOMPARE((QList{sheet.number(SheetValue::Strength), sheet.number(SheetValue::Agility),
                    sheet.number(SheetValue::Intelligence), sheet.number(SheetValue::Precision),
                    sheet.number(SheetValue::Will), sheet.number(SheetValue::Perception)}),
             pairs);
    QCOMPARE((QList{sheet.number(SheetValue::MindHits), sheet.number(SheetValue::SoulHits)}), hits);
    QCOMPARE(sheet.totalColour(), colour);
    QCOMPARE(sheet.number(SheetValue::CharacterPoints), points);
    QCOMPARE(sheet.number(SheetValue::TotalForces), total);
}

void TestForces::raiseAtSixIsRefusedBeforeTheTotalTest()
{
    CharacterSheet sheet;
    choose(sheet, 0);
    setNumbers(sheet, {{SheetValue::Corporeal, 6},
                       {SheetValue::TotalForces, 15},
                       {SheetValue::Strength, 9},
                       {SheetValue::Agility, 15}});
    RecordingPrompter prompter;
    Forces::raise(sheet, Realm::Corporeal, prompter);
    QCOMPARE(prompter.shown, QStringList{u"You can not exceed 6 Forces."_s});
    QCOMPARE(sheet.number(SheetValue::Corporeal), 6);
    QCOMPARE(sheet.number(SheetValue::Strength), 9);
    QCOMPARE(sheet.totalColour(), TotalColour::Red);

    // Raising another Force after a bonus resets its pair to 2 x the Force, then lowering the
    // Force at 6 works as usual.
    setNumbers(sheet, {{SheetValue::Strength, 8}, {SheetValue::Agility, 16}});
    Forces::raise(sheet, Realm::Ethereal, prompter);
    QCOMPARE(sheet.number(SheetValue::Ethereal), 4);
    QCOMPARE(sheet.number(SheetValue::Intelligence), 8);
    QCOMPARE(sheet.number(SheetValue::MindHits), 32);
}

void TestForces::soldierPlacesItsLastForces()
{
    CharacterSheet sheet;
    choose(sheet, 4);
    RecordingPrompter prompter;
    Forces::raise(sheet, Realm::Ethereal, prompter);
    QCOMPARE(sheet.totalColour(), TotalColour::Red);
    Forces::raise(sheet, Realm::Ethereal, prompter);
    QCOMPARE(sheet.number(SheetValue::Ethereal), 3);
    QCOMPARE(sheet.totalColour(), TotalColour::Green);
    QVERIFY(prompter.shown.isEmpty());
    Forces::raise(sheet, Realm::Ethereal, prompter);
    QCOMPARE(prompter.shown, QStringList{u"You cannot exceed your total forces."_s});
    QCOMPARE(sheet.number(SheetValue::Ethereal), 3);
}

void TestForces::overflowStopsBeforeAnyWrite()
{
    CharacterSheet sheet;
    choose(sheet, 0);
    // Values only a damaged character file can hold.
    setNumbers(sheet, {{SheetValue::Ethereal, 2147483647}, {SheetValue::Intelligence, 3}});
    const QStringList before = texts(sheet);
    RecordingPrompter prompter;
    QVERIFY_THROWS_EXCEPTION(QuillError,
                             Forces::moveCharacteristicUp(sheet, Realm::Ethereal, prompter));
    QVERIFY_THROWS_EXCEPTION(QuillError, Forces::lower(sheet, Realm::Ethereal, prompter));
    QVERIFY_THROWS_EXCEPTION(QuillError, Forces::raise(sheet, Realm::Corporeal, prompter));
    QCOMPARE(texts(sheet), before);
}

QTEST_GUILESS_MAIN(TestForces)
#include "tst_forces.moc"
