#include "shell/cMain.h"
#include "shell/widgets/TRadioGroup.h"
#include "shell/widgets/TUpDown.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QColor green(0, 128, 0);
const QColor red(255, 0, 0);

} // namespace

class TestCharacterWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void typeClickShowsTheStartingValues();
    void refusedTypeClearsTheGroupAndTheTotal();
    void reclickingTheChosenTypeChangesNothing();
    void remnantDisablesTheCelestialControls();
    void forceButtonsNeedATypeThenKeepTheLimits();
    void characteristicButtonsMoveOnePoint();
    void damagedValueShowsTheErrorBoxAndChangesNothing();
    void pointBonusAddsOnEveryApply();
    void forcesBonusResetReplacesATypedAmount_data();
    void forcesBonusResetReplacesATypedAmount();
    void forcesBonusTypedNonsenseShowsTheErrorBox();

private:
    template <class T> T *get(const QString &name) const { return m_form->control<T>(name); }
    QString text(const QString &edit) const { return get<QLineEdit>(edit)->text(); }
    void click(const QString &button) const { get<QAbstractButton>(button)->click(); }
    void chooseType(int index) const
    {
        get<TRadioGroup>(u"CharTypeGroup"_s)->button(index)->click();
    }
    QColor totalColour() const
    {
        return get<QLineEdit>(u"TotalForcesEdit"_s)->palette().color(QPalette::Base);
    }

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestCharacterWindow::init()
{
    QVERIFY(m_folder.enter());
    m_form = std::make_unique<TMainForm>();
    m_form->show();
}

void TestCharacterWindow::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

void TestCharacterWindow::typeClickShowsTheStartingValues()
{
    get<QComboBox>(u"Choir_BandComboBox"_s)->setEditText(u"Seraphim"_s);
    ModalWatcher watcher;
    chooseType(4);
    QCOMPARE(text(u"CorporealEdit"_s), u"2"_s);
    QCOMPARE(text(u"EtherealEdit"_s), u"1"_s);
    QCOMPARE(text(u"StrengthEdit"_s), u"4"_s);
    QCOMPARE(text(u"TotalForcesEdit"_s), u"6"_s);
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"24"_s);
    QCOMPARE(text(u"MindHitsEdit"_s), u"2"_s);
    QCOMPARE(get<QComboBox>(u"Choir_BandComboBox"_s)->currentText(), u"Soldier"_s);
    QCOMPARE(totalColour(), red);
    QCOMPARE(get<TRadioGroup>(u"CharTypeGroup"_s)->itemIndex(), 4);
    QVERIFY(watcher.seen().isEmpty());
}

void TestCharacterWindow::refusedTypeClearsTheGroupAndTheTotal()
{
    ModalWatcher watcher;
    chooseType(0);
    click(u"CorpForcesDownSpeedButton"_s);
    QCOMPARE(totalColour(), red);
    click(u"DemonCheckBox"_s);
    chooseType(1);

    QCOMPARE(watcher.texts(),
             QStringList{u"Current configuration does not allow this Character Type."_s});
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::NoIcon);
    auto *group = get<TRadioGroup>(u"CharTypeGroup"_s);
    QCOMPARE(group->itemIndex(), -1);
    for (int i = 0; i < group->count(); ++i)
        QVERIFY2(!group->button(i)->isChecked(), qPrintable(group->itemText(i)));
    QCOMPARE(text(u"TotalForcesEdit"_s), u"0"_s);
    QCOMPARE(text(u"CorporealEdit"_s), u"2"_s);
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"36"_s);
    QCOMPARE(totalColour(), red);

    // The buttons now refuse until an allowed type is chosen.
    watcher.clear();
    click(u"CorpForcesUpSpeedButton"_s);
    QCOMPARE(watcher.texts(), QStringList{u"You must select a Character Type first."_s});
    chooseType(1);
    QCOMPARE(watcher.texts().size(), 2);
    QCOMPARE(group->itemIndex(), -1);
    chooseType(2);
    QCOMPARE(group->itemIndex(), 2);
    QCOMPARE(text(u"TotalForcesEdit"_s), u"9"_s);
    QVERIFY(!watcher.unexpected());
}

void TestCharacterWindow::reclickingTheChosenTypeChangesNothing()
{
    ModalWatcher watcher;
    chooseType(0);
    click(u"CorpForcesDownSpeedButton"_s);
    chooseType(0);
    QCOMPARE(text(u"CorporealEdit"_s), u"2"_s);
    QCOMPARE(text(u"TotalForcesEdit"_s), u"9"_s);
    QCOMPARE(totalColour(), red);
    // Set by the program, the index runs the choice like a click.
    get<TRadioGroup>(u"CharTypeGroup"_s)->setItemIndex(7);
    QCOMPARE(text(u"TotalForcesEdit"_s), u"5"_s);
    QCOMPARE(totalColour(), green);
    QVERIFY(watcher.seen().isEmpty());
}

void TestCharacterWindow::remnantDisablesTheCelestialControls()
{
    const QStringList celestial = {u"CelestialForcesUpSpeedButton"_s,
                                   u"CelestialForcesDownSpeedButton"_s, u"CelestialEdit"_s,
                                   u"CelestialUpSpeedButton"_s, u"CelestialDownSpeedButton"_s};
    chooseType(6);
    for (const QString &name : celestial)
        QVERIFY2(!get<QWidget>(name)->isEnabled(), qPrintable(name));
    QCOMPARE(text(u"SoulHitsEdit"_s), u"0"_s);
    chooseType(7);
    for (const QString &name : celestial)
        QVERIFY2(get<QWidget>(name)->isEnabled(), qPrintable(name));
    QCOMPARE(text(u"CelestialEdit"_s), u"1"_s);
}

void TestCharacterWindow::forceButtonsNeedATypeThenKeepTheLimits()
{
    ModalWatcher watcher;
    click(u"EtherForcesUpSpeedButton"_s);
    click(u"CelestialDownSpeedButton"_s);
    QCOMPARE(watcher.texts(), QStringList(2, u"You must select a Character Type first."_s));
    QCOMPARE(text(u"EtherealEdit"_s), u"0"_s);

    watcher.clear();
    chooseType(0);
    click(u"CorpForcesUpSpeedButton"_s);
    QCOMPARE(totalColour(), green);
    click(u"CorpForcesDownSpeedButton"_s);
    QCOMPARE(totalColour(), red);
    click(u"EtherForcesUpSpeedButton"_s);
    QCOMPARE(text(u"EtherealEdit"_s), u"4"_s);
    QCOMPARE(text(u"IntelligenceEdit"_s), u"8"_s);
    QCOMPARE(text(u"MindHitsEdit"_s), u"32"_s);
    QCOMPARE(totalColour(), green);
    click(u"CelestialForcesUpSpeedButton"_s);
    QCOMPARE(watcher.texts(), (QStringList{u"You can not exceed your total forces."_s,
                                           u"You cannot exceed your total forces."_s}));
    QVERIFY(!watcher.unexpected());
}

void TestCharacterWindow::characteristicButtonsMoveOnePoint()
{
    chooseType(0);
    click(u"EtherUpSpeedButton"_s);
    QCOMPARE(text(u"IntelligenceEdit"_s), u"7"_s);
    QCOMPARE(text(u"PrecisionEdit"_s), u"5"_s);
    QCOMPARE(text(u"MindHitsEdit"_s), u"21"_s);
    click(u"CorpDownSpeedButton"_s);
    QCOMPARE(text(u"StrengthEdit"_s), u"5"_s);
    QCOMPARE(text(u"AgilityEdit"_s), u"7"_s);
}

void TestCharacterWindow::damagedValueShowsTheErrorBoxAndChangesNothing()
{
    chooseType(0);
    // As a damaged character file would leave it.
    get<QLineEdit>(u"StrengthEdit"_s)->setText(u"x"_s);
    ModalWatcher watcher;
    click(u"CorpUpSpeedButton"_s);
    QCOMPARE(watcher.texts(), QStringList{u"'x' is not a valid integer value."_s});
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(text(u"StrengthEdit"_s), u"x"_s);
    QCOMPARE(text(u"AgilityEdit"_s), u"6"_s);
}

void TestCharacterWindow::pointBonusAddsOnEveryApply()
{
    chooseType(0);
    auto *upDown = get<TUpDown>(u"BonusUpDown"_s);
    for (int i = 0; i < 5; ++i)
        upDown->stepUp();
    QCOMPARE(text(u"BonusEdit"_s), u"5"_s);
    click(u"BonusBitBtn"_s);
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"41"_s);
    click(u"BonusBitBtn"_s);
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"46"_s);
    QCOMPARE(text(u"BonusEdit"_s), u"5"_s);
}

void TestCharacterWindow::forcesBonusResetReplacesATypedAmount_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("typed -1") << true;
    QTest::newRow("arrow to -1") << false;
}

void TestCharacterWindow::forcesBonusResetReplacesATypedAmount()
{
    QFETCH(bool, typed);
    chooseType(0);
    auto *upDown = get<TUpDown>(u"ForcesBonusUpDown"_s);
    if (typed)
        get<QLineEdit>(u"ForcesBonusEdit"_s)->setText(u"-1"_s);
    else
        upDown->stepDown();
    ModalWatcher watcher;
    click(u"ForcesBonusBitBtn"_s);
    QCOMPARE(watcher.texts(), QStringList{u"You have already allocated more Forces."_s});
    QCOMPARE(text(u"ForcesBonusEdit"_s), u"0"_s);
    QCOMPARE(upDown->position(), 0);
    QCOMPARE(text(u"TotalForcesEdit"_s), u"9"_s);
    QCOMPARE(totalColour(), green);

    // A bonus that is kept: 9 brings the total to 18, and the next Apply is refused.
    get<QLineEdit>(u"ForcesBonusEdit"_s)->setText(u"9"_s);
    click(u"ForcesBonusBitBtn"_s);
    QCOMPARE(text(u"TotalForcesEdit"_s), u"18"_s);
    QCOMPARE(totalColour(), red);
    click(u"ForcesBonusBitBtn"_s);
    QCOMPARE(watcher.texts().last(), u"You cannot exceed a Total Forces value of 18."_s);
    QCOMPARE(text(u"ForcesBonusEdit"_s), u"9"_s);
    QCOMPARE(text(u"TotalForcesEdit"_s), u"18"_s);
}

void TestCharacterWindow::forcesBonusTypedNonsenseShowsTheErrorBox()
{
    chooseType(4);
    get<QLineEdit>(u"ForcesBonusEdit"_s)->setText(u"two"_s);
    ModalWatcher watcher;
    click(u"ForcesBonusBitBtn"_s);
    QCOMPARE(watcher.texts(), QStringList{u"'two' is not a valid integer value."_s});
    QCOMPARE(text(u"TotalForcesEdit"_s), u"6"_s);
    QCOMPARE(text(u"ForcesBonusEdit"_s), u"two"_s);
}

QTEST_MAIN(TestCharacterWindow)
#include "tst_character_window.moc"
