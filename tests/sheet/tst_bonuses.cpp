#include "SheetHelpers.h"
#include "common/QuillError.h"
#include "sheet/Bonuses.h"
#include "sheet/CharacterSheet.h"
#include "support/RecordingPrompter.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace SheetHelpers;
using Bonuses::ForcesBonusResult;

namespace {

// The amount as the user left it in its box, then Apply.
ForcesBonusResult applyForcesBonus(CharacterSheet &sheet, const QString &amount, Prompter &prompter)
{
    sheet.setForcesBonus(amount);
    return Bonuses::applyForcesBonus(sheet, prompter);
}

} // namespace

class TestBonuses : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pointBonusAddsEachTime_data();
    void pointBonusAddsEachTime();
    void forcesBonus_data();
    void forcesBonus();
    void forcesBonusAddsAgainOnEveryApply();
    void placedForcesAreTestedBeforeTheLimit();
    void badAmountChangesNothing_data();
    void badAmountChangesNothing();
};

void TestBonuses::pointBonusAddsEachTime_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QList<int>>("after"); // after the first and the second click
    QTest::newRow("angel plus 5") << 36 << u"5"_s << QList{41, 46};
    QTest::newRow("minus 10 goes negative") << 3 << u"-10"_s << QList{-7, -17};
    QTest::newRow("zero") << 0 << u"0"_s << QList{0, 0};
}

void TestBonuses::pointBonusAddsEachTime()
{
    QFETCH(int, pool);
    QFETCH(QString, amount);
    QFETCH(QList<int>, after);
    CharacterSheet sheet;
    sheet.setNumber(SheetValue::CharacterPoints, pool);
    Bonuses::applyPointBonus(sheet, amount);
    QCOMPARE(sheet.number(SheetValue::CharacterPoints), after[0]);
    Bonuses::applyPointBonus(sheet, amount);
    QCOMPARE(sheet.number(SheetValue::CharacterPoints), after[1]);
}

void TestBonuses::forcesBonus_data()
{
    QTest::addColumn<int>("type"); // -1: no type chosen
    QTest::addColumn<QString>("amount");
    QTest::addColumn<ForcesBonusResult>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("total");
    QTest::addColumn<TotalColour>("colour");

    QTest::newRow("angel up to 18")
        << 0 << u"9"_s << ForcesBonusResult::Applied << QString() << 18 << TotalColour::Red;
    QTest::newRow("angel beyond 18")
        << 0 << u"10"_s << ForcesBonusResult::Refused
        << u"You cannot exceed a Total Forces value of 18."_s << 9 << TotalColour::Green;
    QTest::newRow("angel below placed")
        << 0 << u"-1"_s << ForcesBonusResult::RefusedResetAmount
        << u"You have already allocated more Forces."_s << 9 << TotalColour::Green;
    QTest::newRow("soldier down to placed")
        << 4 << u"-2"_s << ForcesBonusResult::Applied << QString() << 4 << TotalColour::Red;
    QTest::newRow("soldier typed 12 makes 18")
        << 4 << u"12"_s << ForcesBonusResult::Applied << QString() << 18 << TotalColour::Red;
    QTest::newRow("no type, 3") << -1 << u"3"_s << ForcesBonusResult::Applied << QString() << 3
                                << TotalColour::Red;
    QTest::newRow("hexadecimal amount")
        << 4 << u"$A"_s << ForcesBonusResult::Applied << QString() << 16 << TotalColour::Red;
}

void TestBonuses::forcesBonus()
{
    QFETCH(int, type);
    QFETCH(QString, amount);
    QFETCH(ForcesBonusResult, result);
    QFETCH(QString, message);
    QFETCH(int, total);
    QFETCH(TotalColour, colour);

    CharacterSheet sheet;
    if (type >= 0)
        choose(sheet, type);
    else
        sheet.setTotalColour(TotalColour::Red);
    QStringList expected = texts(sheet);
    expected[int(SheetValue::TotalForces)] = QString::number(total);
    RecordingPrompter prompter;

    QCOMPARE(applyForcesBonus(sheet, amount, prompter), result);
    QCOMPARE(prompter.shown, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(texts(sheet), expected);
    QCOMPARE(sheet.totalColour(), colour);
    // Only the refusal below the placed Forces sets the amount back to 0.
    QCOMPARE(sheet.forcesBonus(),
             result == ForcesBonusResult::RefusedResetAmount ? u"0"_s : amount);
}

void TestBonuses::forcesBonusAddsAgainOnEveryApply()
{
    CharacterSheet sheet;
    choose(sheet, 0);
    RecordingPrompter prompter;
    QCOMPARE(applyForcesBonus(sheet, u"9"_s, prompter), ForcesBonusResult::Applied);
    QCOMPARE(applyForcesBonus(sheet, u"9"_s, prompter), ForcesBonusResult::Refused);
    QCOMPARE(prompter.shown, QStringList{u"You cannot exceed a Total Forces value of 18."_s});
    QCOMPARE(sheet.number(SheetValue::TotalForces), 18);
    QCOMPARE(sheet.number(SheetValue::CharacterPoints), 36);
}

void TestBonuses::placedForcesAreTestedBeforeTheLimit()
{
    // Only a loaded file can place this many Forces; both refusals apply, the first one wins.
    CharacterSheet sheet;
    setNumbers(sheet, {{SheetValue::Corporeal, 10},
                       {SheetValue::Ethereal, 10},
                       {SheetValue::Celestial, 10},
                       {SheetValue::TotalForces, 9}});
    RecordingPrompter prompter;
    QCOMPARE(applyForcesBonus(sheet, u"10"_s, prompter), ForcesBonusResult::RefusedResetAmount);
    QCOMPARE(prompter.shown, QStringList{u"You have already allocated more Forces."_s});
    QCOMPARE(sheet.number(SheetValue::TotalForces), 9);
}

void TestBonuses::badAmountChangesNothing_data()
{
    QTest::addColumn<bool>("forces");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("error");
    QTest::newRow("typed word") << true << u"three"_s << u"36"_s
                                << u"'three' is not a valid integer value"_s;
    QTest::newRow("empty box") << true << QString() << u"36"_s
                               << u"'' is not a valid integer value"_s;
    QTest::newRow("beyond 32 bits")
        << true << u"99999999999"_s << u"36"_s << u"'99999999999' is not a valid integer value"_s;
    QTest::newRow("total overflows") << true << u"2147483647"_s << u"36"_s << u"Integer overflow"_s;
    QTest::newRow("damaged pool") << false << u"5"_s << u"x"_s
                                  << u"'x' is not a valid integer value"_s;
    QTest::newRow("pool overflows") << false << u"10"_s << u"2147483640"_s << u"Integer overflow"_s;
}

void TestBonuses::badAmountChangesNothing()
{
    QFETCH(bool, forces);
    QFETCH(QString, amount);
    QFETCH(QString, points);
    QFETCH(QString, error);
    CharacterSheet sheet;
    choose(sheet, 0);
    sheet.setText(SheetValue::CharacterPoints, points);
    const QStringList before = texts(sheet);
    RecordingPrompter prompter;
    try {
        if (forces)
            applyForcesBonus(sheet, amount, prompter);
        else
            Bonuses::applyPointBonus(sheet, amount);
        QFAIL("no error raised");
    } catch (const QuillError &raised) {
        QCOMPARE(raised.message(), error);
    }
    QCOMPARE(texts(sheet), before);
    QCOMPARE(sheet.totalColour(), TotalColour::Green);
    QVERIFY(prompter.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestBonuses)
#include "tst_bonuses.moc"
