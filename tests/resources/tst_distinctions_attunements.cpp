#include "resources/DeleteSequence.h"
#include "resources/DistinctionsAttunements.h"
#include "resources/RuleFixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString typeMessage = u"You must first select a Character Type."_s;
const QString attunementTypeMessage = u"You must first Select a Character Type."_s;
const QString poorMessage = u"You do not have enough Character Points."_s;
const QString distinctionMissing = u"You must enter a Distinction."_s;
const QString distinctionTwice = u"You already have that Distinction."_s;
const QString attunementMissing = u"You must enter an Attunment"_s;
const QString attunementTwice = u"You already have that Attunment."_s;
const QString star =
    u"A \"*\" on its own cannot be stored: it closes a list in the character file."_s;

using Add = void (*)(CharacterSheet &, const QString &, Prompter &);

} // namespace

class TestDistinctionsAttunements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void add_data();
    void add();
    void attunementListsAreSeparate();
    void deleteAttunementRefundsItsFixedCost();
};

void TestDistinctionsAttunements::add_data()
{
    QTest::addColumn<SheetList>("list");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("pool");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("poolAfter"); // the item is appended when nothing was shown
    const auto choir = SheetList::ChoirBandAttunements;
    const auto superior = SheetList::SuperiorAttunements;
    const auto distinction = SheetList::Distinctions;
    const QStringList medal = {u"Medal"_s};

    QTest::newRow("distinction free")
        << distinction << true << 0 << medal << u"Scar"_s << QStringList() << 0;
    QTest::newRow("distinction without type")
        << distinction << false << 0 << medal << u"Scar"_s << QStringList{typeMessage} << 0;
    QTest::newRow("distinction placeholder")
        << distinction << true << 0 << medal << u"Enter a Distinction"_s
        << QStringList{distinctionMissing} << 0;
    QTest::newRow("distinction twice")
        << distinction << true << 0 << medal << u"Medal"_s << QStringList{distinctionTwice} << 0;
    QTest::newRow("distinction other case")
        << distinction << true << 0 << medal << u"medal"_s << QStringList() << 0;
    QTest::newRow("distinction part of an older one")
        << distinction << true << 0 << medal << u"Med"_s << QStringList() << 0;
    QTest::newRow("empty distinction once")
        << distinction << true << 0 << QStringList() << QString() << QStringList() << 0;
    QTest::newRow("empty distinction twice") << distinction << true << 0 << QStringList{QString()}
                                             << QString() << QStringList{distinctionTwice} << 0;
    QTest::newRow("distinction star")
        << distinction << true << 0 << medal << u"*"_s << QStringList{star} << 0;
    QTest::newRow("choir pool of exactly 5")
        << choir << true << 5 << medal << u"Seraphim"_s << QStringList() << 0;
    QTest::newRow("choir pool of 4")
        << choir << true << 4 << medal << u"Seraphim"_s << QStringList{poorMessage} << 4;
    QTest::newRow("superior pool of 9")
        << superior << true << 9 << medal << u"Gabriel"_s << QStringList{poorMessage} << 9;
    QTest::newRow("superior pool of 10")
        << superior << true << 10 << medal << u"Gabriel"_s << QStringList() << 0;
    QTest::newRow("attunement without type, capital S")
        << superior << false << 10 << medal << u"Gabriel"_s << QStringList{attunementTypeMessage}
        << 10;
    QTest::newRow("points before text") << choir << true << 3 << medal << u"Enter Extra Attunment"_s
                                        << QStringList{poorMessage} << 3;
    QTest::newRow("placeholder, no final period")
        << choir << true << 5 << medal << u"Enter Extra Attunment"_s
        << QStringList{attunementMissing} << 5;
    QTest::newRow("attunement twice")
        << choir << true << 5 << medal << u"Medal"_s << QStringList{attunementTwice} << 5;
    QTest::newRow("attunement other case")
        << superior << true << 10 << medal << u"MEDAL"_s << QStringList() << 0;
    QTest::newRow("attunement star")
        << choir << true << 5 << medal << u"*"_s << QStringList{star} << 5;
    QTest::newRow("star among other text")
        << superior << true << 10 << medal << u"**"_s << QStringList() << 0;
}

void TestDistinctionsAttunements::add()
{
    QFETCH(SheetList, list);
    QFETCH(bool, typed);
    QFETCH(int, pool);
    QFETCH(QStringList, existing);
    QFETCH(QString, text);
    QFETCH(QStringList, shown);
    RuleFixture f(pool, typed);
    f.sheet.setItems(list, existing);
    const Add add = list == SheetList::Distinctions           ? Resources::addDistinction
                    : list == SheetList::ChoirBandAttunements ? Resources::addChoirBandAttunement
                                                              : Resources::addSuperiorAttunement;
    add(f.sheet, text, f.prompter);
    QCOMPARE(f.prompter.shown, shown);
    QCOMPARE(f.sheet.items(list), shown.isEmpty() ? existing + QStringList{text} : existing);
    QTEST(f.sheet.number(SheetValue::CharacterPoints), "poolAfter");
}

void TestDistinctionsAttunements::attunementListsAreSeparate()
{
    RuleFixture f(15);
    Resources::addChoirBandAttunement(f.sheet, u"Fire"_s, f.prompter);
    Resources::addSuperiorAttunement(f.sheet, u"Fire"_s, f.prompter);
    QVERIFY(f.prompter.shown.isEmpty());
    QCOMPARE(f.sheet.items(SheetList::ChoirBandAttunements), QStringList{u"Fire"_s});
    QCOMPARE(f.sheet.items(SheetList::SuperiorAttunements), QStringList{u"Fire"_s});
    QCOMPARE(f.pool(), u"0"_s);
}

// The text is not read: an attunement whose text looks like a recorded cost still gives back 10.
void TestDistinctionsAttunements::deleteAttunementRefundsItsFixedCost()
{
    RuleFixture f(15);
    Resources::addSuperiorAttunement(f.sheet, u"Cost:99"_s, f.prompter);
    Resources::addChoirBandAttunement(f.sheet, u"Choir"_s, f.prompter);
    QCOMPARE(f.pool(), u"0"_s);
    f.prompter.answers = {true, true};
    Resources::deleteResource(f.sheet, SheetList::SuperiorAttunements, {Qt::RightButton, 0},
                              f.prompter);
    QCOMPARE(f.pool(), u"10"_s);
    Resources::deleteResource(f.sheet, SheetList::ChoirBandAttunements, {Qt::RightButton, 0},
                              f.prompter);
    QCOMPARE(f.pool(), u"15"_s);
    QCOMPARE(f.sheet.itemCount(SheetList::SuperiorAttunements), 0);
    QCOMPARE(f.sheet.itemCount(SheetList::ChoirBandAttunements), 0);
}

QTEST_GUILESS_MAIN(TestDistinctionsAttunements)
#include "tst_distinctions_attunements.moc"
