// The main window as built: every named control of the right kind, starting texts and flags, the
// up-down ranges, the frame and the arrangement of the pages.

#include "sheet/CharacterSheet.h"
#include "sheet/SheetValues.h"
#include "shell/cMain.h"
#include "shell/widgets/TRadioGroup.h"
#include "shell/widgets/TUpDown.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Kind
{
    Edit,
    Combo,
    List,
    CheckBox,
    Button,
    PageControl,
    Page,
    Action,
    RadioGroup,
    UpDown,
    Frame,
    GroupBox,
    StatusBar,
    MenuBar,
};

struct Named
{
    QString name;
    Kind kind;
};

// Every control, page and menu item the window's description names.
const QList<Named> &namedControls()
{
    static const QList<Named> all = [] {
        QList<Named> list;
        const auto add = [&list](Kind kind, const QStringList &names) {
            for (const QString &name : names)
                list.append({name, kind});
        };
        add(Kind::MenuBar, {u"MainMenu"_s});
        add(Kind::Action, {u"New1"_s, u"Open1"_s, u"Save1"_s, u"Print1"_s, u"Exit1"_s,
                           u"HelpTopics1"_s, u"About1"_s});
        add(Kind::StatusBar, {u"StatusBar1"_s});
        add(Kind::Frame, {u"Panel1"_s, u"Panel2"_s});
        add(Kind::PageControl, {u"MainPageControl"_s, u"ResourcesPageControl"_s});
        add(Kind::Page, {u"CharSheet"_s, u"ConfigSheet"_s, u"SongsTabSheet"_s, u"SkillsTabSheet"_s,
                         u"VesselsTabSheet"_s, u"RolesTabSheet"_s, u"ServantsTabSheet"_s,
                         u"ArtifactsTabSheet"_s, u"DiscordTabSheet"_s, u"DistinctionsTabSheet"_s});
        add(Kind::Combo, {u"Choir_BandComboBox"_s, u"SuperiorComboBox"_s});
        add(Kind::RadioGroup, {u"CharTypeGroup"_s, u"SongTypeRadioGroup"_s,
                               u"ArtifactTypeRadioGroup"_s, u"DiscordTypeRadioGroup"_s});
        add(Kind::Edit, {u"CharacterNameEdit"_s,
                         u"ExtraChoir_BandAttunmentEdit"_s,
                         u"ExtraSuperiorAttunmentEdit"_s,
                         u"CorporealEdit"_s,
                         u"EtherealEdit"_s,
                         u"CelestialEdit"_s,
                         u"TotalForcesEdit"_s,
                         u"StrengthEdit"_s,
                         u"AgilityEdit"_s,
                         u"IntelligenceEdit"_s,
                         u"PrecisionEdit"_s,
                         u"WillEdit"_s,
                         u"PerceptionEdit"_s,
                         u"CharacterPointsEdit"_s,
                         u"MindHitsEdit"_s,
                         u"SoulHitsEdit"_s,
                         u"SongEdit"_s,
                         u"SongLevelEdit"_s,
                         u"SkillEdit"_s,
                         u"SkillLevelEdit"_s,
                         u"VesselEdit"_s,
                         u"VesselLevelEdit"_s,
                         u"BodyHitsEdit"_s,
                         u"VesselCharismaEdit"_s,
                         u"RolesEdit"_s,
                         u"RolesLevelEdit"_s,
                         u"RoleStatusEdit"_s,
                         u"ServantEdit"_s,
                         u"ServantLevelEdit"_s,
                         u"ServantClassEdit"_s,
                         u"ArtifactEdit"_s,
                         u"ArtifactLevelEdit"_s,
                         u"ArtifactModifierEdit"_s,
                         u"DiscordEdit"_s,
                         u"DiscordLevelEdit"_s,
                         u"DistinctionsEdit"_s,
                         u"BonusEdit"_s,
                         u"ForcesBonusEdit"_s});
        add(Kind::List, {u"ExtraChoir_BandAttunmentListBox"_s, u"ExtraSuperiorAttunmentListBox"_s,
                         u"SongsListBox"_s, u"SkillsListBox"_s, u"VesselsListBox"_s,
                         u"RolesListBox"_s, u"ServantsListBox"_s, u"ArtifactsListBox"_s,
                         u"DiscordsListBox"_s, u"DistinctionsListBox"_s});
        add(Kind::Button, {u"ExtraChoir_BandAttunmentSpeedButton"_s,
                           u"ExtraSuperiorAttunmentSpeedButton"_s,
                           u"CorpForcesUpSpeedButton"_s,
                           u"CorpForcesDownSpeedButton"_s,
                           u"EtherForcesUpSpeedButton"_s,
                           u"EtherForcesDownSpeedButton"_s,
                           u"CelestialForcesUpSpeedButton"_s,
                           u"CelestialForcesDownSpeedButton"_s,
                           u"CorpUpSpeedButton"_s,
                           u"CorpDownSpeedButton"_s,
                           u"EtherUpSpeedButton"_s,
                           u"EtherDownSpeedButton"_s,
                           u"CelestialUpSpeedButton"_s,
                           u"CelestialDownSpeedButton"_s,
                           u"SongAddBitBtn"_s,
                           u"SkillAddBitBtn"_s,
                           u"VesselAddBitBtn"_s,
                           u"RolesAddBitBtn"_s,
                           u"ServantAddBitBtn"_s,
                           u"ArtifactAddBitBtn"_s,
                           u"DiscordAddBitBtn"_s,
                           u"DistinctionsBitBtn"_s,
                           u"BonusBitBtn"_s,
                           u"ForcesBonusBitBtn"_s});
        add(Kind::UpDown, {u"SongLevelUpDown"_s, u"SkillLevelUpDown"_s, u"VesselUpDown"_s,
                           u"VesselCharismaUpDown"_s, u"RoleLevelUpDown"_s, u"RoleStatusUpDown"_s,
                           u"ServantLevelUpDown"_s, u"ServantClassUpDown"_s,
                           u"ArtifactLevelUpDown"_s, u"ArtifactModifierUpDown"_s,
                           u"DiscordLevelUpDown"_s, u"BonusUpDown"_s, u"ForcesBonusUpDown"_s});
        add(Kind::GroupBox, {u"AvailableCharTypesGroupBox"_s, u"AvailableResourceTypesGroupBox"_s,
                             u"BonusGroupBox"_s, u"GroupBox1"_s});
        add(Kind::CheckBox, {u"AngelCheckBox"_s, u"DemonCheckBox"_s, u"OutcastCheckBox"_s,
                             u"RenegadeCheckBox"_s, u"SoldierCheckBox"_s, u"UndeadCheckBox"_s,
                             u"RemnantCheckBox"_s, u"MundaneCheckBox"_s});
        add(Kind::CheckBox, {u"SongsCheckBox"_s, u"SkillsCheckBox"_s, u"VesselsCheckBox"_s,
                             u"RolesCheckBox"_s, u"ArtifactsCheckBox"_s, u"ServantsCheckBox"_s,
                             u"DiscordCheckBox"_s, u"DistinctionsCheckBox"_s});
        return list;
    }();
    return all;
}

bool isKind(QObject *object, Kind kind)
{
    switch (kind) {
    case Kind::Edit:
        return qobject_cast<QLineEdit *>(object);
    case Kind::Combo: {
        auto *combo = qobject_cast<QComboBox *>(object);
        return combo && combo->isEditable();
    }
    case Kind::List:
        return qobject_cast<QListView *>(object);
    case Kind::CheckBox:
        return qobject_cast<QCheckBox *>(object);
    case Kind::Button:
        return qobject_cast<QAbstractButton *>(object);
    case Kind::PageControl:
        return qobject_cast<QTabWidget *>(object);
    case Kind::Page: {
        auto *page = qobject_cast<QWidget *>(object);
        QWidget *stack = page ? page->parentWidget() : nullptr;
        auto *pages = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
        return pages && pages->indexOf(page) >= 0;
    }
    case Kind::Action:
        return qobject_cast<QAction *>(object);
    case Kind::RadioGroup:
        return qobject_cast<TRadioGroup *>(object);
    case Kind::UpDown:
        return qobject_cast<TUpDown *>(object);
    case Kind::Frame:
        return qobject_cast<QFrame *>(object);
    case Kind::GroupBox:
        return qobject_cast<QGroupBox *>(object);
    case Kind::StatusBar:
        return qobject_cast<QStatusBar *>(object);
    case Kind::MenuBar:
        return qobject_cast<QMenuBar *>(object);
    }
    return false;
}

// Whether the caption of a check box or radio button has room beside its indicator.
bool captionFits(const QAbstractButton *button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return button->fontMetrics().horizontalAdvance(button->text()) <= room.width();
}

bool takesInput(Kind kind)
{
    return kind == Kind::Edit || kind == Kind::Combo || kind == Kind::List ||
           kind == Kind::CheckBox || kind == Kind::Button;
}

const QStringList ResourcePages = {
    u"SongsTabSheet"_s,    u"SkillsTabSheet"_s,    u"VesselsTabSheet"_s, u"RolesTabSheet"_s,
    u"ServantsTabSheet"_s, u"ArtifactsTabSheet"_s, u"DiscordTabSheet"_s, u"DistinctionsTabSheet"_s};

} // namespace

class TestWindowBuilders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void everyNameHasItsKind_data();
    void everyNameHasItsKind();
    void editsStartAsDescribed_data();
    void editsStartAsDescribed();
    void combosOfferTheirEntriesButStartWithAPrompt_data();
    void combosOfferTheirEntriesButStartWithAPrompt();
    void typedSuperiorStaysAsTyped();
    void radioGroupsStartWithNothingSelected_data();
    void radioGroupsStartWithNothingSelected();
    void upDownsStepWithinTheirRange_data();
    void upDownsStepWithinTheirRange();
    void configurationBoxesStartOn();
    void onlyTheDistinctionsControlsAreTabStops();
    void frameIsFixedWithoutMaximise();
    void clientAreaIsDividedAsDescribed();
    void resourceTabsStandInOrder();
    void eachResourcePageHoldsOnlyItsBevel_data();
    void eachResourcePageHoldsOnlyItsBevel();
    void controlsStandWhereDescribed_data();
    void controlsStandWhereDescribed();
    void siblingsDoNotOverlapOrLeaveTheirArea();
    void fontsFollowTheirArea_data();
    void fontsFollowTheirArea();
    void labelsShowTheirWholeText();
    void imageButtonsCarryTheirImage();
    void numberBoxesHoldTheirWidestValue_data();
    void numberBoxesHoldTheirWidestValue();
    void totalBoxShowsItsColour_data();
    void totalBoxShowsItsColour();

private:
    template <class T> T *control(const QString &name) const
    {
        T *found = m_form->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    void showForm();

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
    QByteArray m_builtFor;
};

void TestWindowBuilders::initTestCase()
{
    // Showing the window reads and creates the settings file in the current folder.
    QVERIFY(m_folder.enter());
}

void TestWindowBuilders::cleanupTestCase()
{
    m_form.reset();
    m_folder.leave();
}

// One fresh window per test function; the rows of a function only read it or each touch a
// control of their own, so they share it.
void TestWindowBuilders::init()
{
    const QByteArray function = QTest::currentTestFunction();
    if (!m_form || function != m_builtFor) {
        m_form = std::make_unique<TMainForm>();
        m_builtFor = function;
    }
}

void TestWindowBuilders::cleanup()
{
    if (QTest::currentTestFailed())
        m_form.reset();
}

void TestWindowBuilders::showForm()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestWindowBuilders::everyNameHasItsKind_data()
{
    QTest::addColumn<int>("kind");
    for (const Named &named : namedControls())
        QTest::newRow(qPrintable(named.name)) << int(named.kind);
}

void TestWindowBuilders::everyNameHasItsKind()
{
    QFETCH(int, kind);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QObject *> found = m_form->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QVERIFY2(isKind(found.first(), Kind(kind)), found.first()->metaObject()->className());
}

void TestWindowBuilders::editsStartAsDescribed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readOnly");
    const auto row = [](const QString &name, const QString &text, bool readOnly) {
        QTest::newRow(qPrintable(name)) << text << readOnly;
    };
    row(u"CharacterNameEdit"_s, u"Enter Character Name"_s, false);
    row(u"ExtraChoir_BandAttunmentEdit"_s, u"Enter Extra Attunment"_s, false);
    row(u"ExtraSuperiorAttunmentEdit"_s, u"Enter Extra Attunment"_s, false);
    for (const QString &box :
         {u"CorporealEdit"_s, u"StrengthEdit"_s, u"AgilityEdit"_s, u"EtherealEdit"_s,
          u"IntelligenceEdit"_s, u"PrecisionEdit"_s, u"CelestialEdit"_s, u"WillEdit"_s,
          u"PerceptionEdit"_s, u"TotalForcesEdit"_s, u"CharacterPointsEdit"_s, u"MindHitsEdit"_s,
          u"SoulHitsEdit"_s})
        row(box, u"0"_s, true);
    row(u"SongEdit"_s, u"Enter Name of Song"_s, false);
    row(u"SongLevelEdit"_s, u"1"_s, true);
    row(u"SkillEdit"_s, u"Enter a Skill"_s, false);
    row(u"SkillLevelEdit"_s, u"1"_s, true);
    row(u"VesselEdit"_s, u"Enter a Name for this Vessel"_s, false);
    row(u"VesselLevelEdit"_s, u"1"_s, true);
    row(u"VesselCharismaEdit"_s, u"0"_s, true);
    row(u"BodyHitsEdit"_s, u"0"_s, true);
    row(u"RolesEdit"_s, u"Enter a Name for this Role"_s, false);
    row(u"RolesLevelEdit"_s, u"1"_s, true);
    row(u"RoleStatusEdit"_s, u"1"_s, true);
    row(u"ServantEdit"_s, u"Enter Name of Servant"_s, false);
    row(u"ServantLevelEdit"_s, u"1"_s, false);
    row(u"ServantClassEdit"_s, u"1"_s, false);
    row(u"ArtifactEdit"_s, u"Enter Artifact Description"_s, false);
    row(u"ArtifactLevelEdit"_s, u"1"_s, false);
    row(u"ArtifactModifierEdit"_s, u"0"_s, false);
    row(u"DiscordEdit"_s, u"Enter Discord Description"_s, false);
    row(u"DiscordLevelEdit"_s, u"1"_s, false);
    row(u"DistinctionsEdit"_s, u"Enter a Distinction"_s, false);
    row(u"BonusEdit"_s, u"0"_s, true);
    row(u"ForcesBonusEdit"_s, u"0"_s, false);
}

void TestWindowBuilders::editsStartAsDescribed()
{
    QFETCH(QString, text);
    QFETCH(bool, readOnly);
    auto *edit = control<QLineEdit>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->isReadOnly(), readOnly);
    // A prompt is ordinary text, not a placeholder that vanishes.
    QVERIFY(edit->placeholderText().isEmpty());
}

void TestWindowBuilders::combosOfferTheirEntriesButStartWithAPrompt_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("spotEntry");
    const QStringList choirs = {
        u"Seraphim"_s,  u"Cherubim"_s,  u"Ofanim"_s,  u"Elohim"_s,  u"Malakim"_s,  u"Kyriotate"_s,
        u"Mercurian"_s, u"Balseraph"_s, u"Djinn"_s,   u"Calabim"_s, u"Habbalah"_s, u"Lilim"_s,
        u"Shedim"_s,    u"Impudite"_s,  u"Soldier"_s, u"Mummy"_s,   u"Vampire"_s,  u"Zombie"_s};
    const QStringList superiors = {
        u"Blandine, Archangel of Dreams"_s,    u"David, Archangel of Stone"_s,
        u"Dominic, Archangel of Judgment"_s,   u"Eli, Archangle of Creation"_s,
        u"Gabriel, Archangel of Fire"_s,       u"Janus, Archangel of Wind"_s,
        u"Jean, Archangel of Lightning"_s,     u"Jordi, Archangel of Animals"_s,
        u"Laurence, Archangel of the Sword"_s, u"Marc, Archangel of Trade"_s,
        u"Michael, Archangel of War"_s,        u"Novalis, Archangel of Flowers"_s,
        u"Yves, Archangel of Destiny"_s,       u"Andrealphus, Prince of Lust"_s,
        u"Asmodeus Prince of the Game"_s,      u"Baal, Prince of War"_s,
        u"Beleth, Princess of Nightmares"_s,   u"Belial, Prince of Fire"_s,
        u"Haagenti, Prince of Gluttony"_s,     u"Kobal, Prince of Dark Humor"_s,
        u"Kronos, Prince of Fate"_s,           u"Malphas, Prince of Factions"_s,
        u"Nybbas, Prince of the Media"_s,      u"Saminga, Prince of Death"_s,
        u"Valefor, Prince of Theft"_s,         u"Vapula, Prince of Technology"_s};
    QTest::newRow("Choir_BandComboBox")
        << u"Select Choir or Band"_s << choirs << 18 << u"Kyriotate"_s;
    QTest::newRow("SuperiorComboBox")
        << u"Select Superior"_s << superiors << 26 << u"Eli, Archangle of Creation"_s;
}

void TestWindowBuilders::combosOfferTheirEntriesButStartWithAPrompt()
{
    QFETCH(QString, prompt);
    QFETCH(QStringList, entries);
    QFETCH(int, count);
    QFETCH(QString, spotEntry);
    auto *combo = control<QComboBox>(QString::fromLatin1(QTest::currentDataTag()));
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items.size(), count);
    QCOMPARE(items, entries);
    QVERIFY(items.contains(spotEntry));
    QCOMPARE(combo->currentText(), prompt);
    QCOMPARE(combo->findText(prompt), -1);
    QCOMPARE(combo->currentIndex(), -1);
}

void TestWindowBuilders::typedSuperiorStaysAsTyped()
{
    showForm();
    auto *combo = control<QComboBox>(u"SuperiorComboBox"_s);
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), u"Gabriel"_s);
    QCOMPARE(combo->currentText(), u"Gabriel"_s);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->currentText(), u"Gabriel"_s);
    QCOMPARE(combo->count(), 26);
    QCOMPARE(m_form->sheet().text(SheetValue::Superior), u"Gabriel"_s);
}

void TestWindowBuilders::radioGroupsStartWithNothingSelected_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("columns");
    const QStringList realms = {u"Corporeal"_s, u"Ethereal"_s, u"Celestial"_s};
    const QStringList types = {u"Angel"_s,   u"Demon"_s,  u"Outcast"_s, u"Renegade"_s,
                               u"Soldier"_s, u"Undead"_s, u"Remnant"_s, u"Mundane"_s};
    QTest::newRow("CharTypeGroup") << u" Character Type "_s << types << 2;
    QTest::newRow("SongTypeRadioGroup") << u"Song Type"_s << realms << 1;
    QTest::newRow("ArtifactTypeRadioGroup") << u"Artifact Type"_s << realms << 1;
    QTest::newRow("DiscordTypeRadioGroup") << u"Discord Type"_s << realms << 1;
}

void TestWindowBuilders::radioGroupsStartWithNothingSelected()
{
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    QFETCH(int, columns);
    showForm();
    auto *group = control<TRadioGroup>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(group->title(), title);
    QCOMPARE(group->itemIndex(), -1);
    QCOMPARE(group->count(), items.size());
    const int perColumn = int(items.size()) / columns;
    for (int i = 0; i < group->count(); ++i) {
        QCOMPARE(group->itemText(i), items.at(i));
        QVERIFY(!group->button(i)->isChecked());
        // Items run down a column before the next column starts.
        const int first = (i / perColumn) * perColumn;
        QCOMPARE(group->button(i)->x(), group->button(first)->x());
    }
    if (columns == 2)
        QVERIFY(group->button(perColumn)->x() > group->button(0)->x());
}

void TestWindowBuilders::upDownsStepWithinTheirRange_data()
{
    QTest::addColumn<QString>("buddy");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    const auto row = [](const char *upDown, const QString &buddy, int min, int max, int pos) {
        QTest::newRow(upDown) << buddy << min << max << pos;
    };
    row("SongLevelUpDown", u"SongLevelEdit"_s, 1, 6, 1);
    row("SkillLevelUpDown", u"SkillLevelEdit"_s, 1, 6, 1);
    row("VesselUpDown", u"VesselLevelEdit"_s, 1, 6, 1);
    row("VesselCharismaUpDown", u"VesselCharismaEdit"_s, -2, 3, 0);
    row("RoleLevelUpDown", u"RolesLevelEdit"_s, 1, 6, 1);
    row("RoleStatusUpDown", u"RoleStatusEdit"_s, 1, 6, 1);
    row("ServantLevelUpDown", u"ServantLevelEdit"_s, 1, 6, 1);
    row("ServantClassUpDown", u"ServantClassEdit"_s, 1, 6, 1);
    row("ArtifactLevelUpDown", u"ArtifactLevelEdit"_s, 1, 6, 1);
    row("ArtifactModifierUpDown", u"ArtifactModifierEdit"_s, -6, 6, 0);
    row("DiscordLevelUpDown", u"DiscordLevelEdit"_s, 1, 6, 1);
    row("BonusUpDown", u"BonusEdit"_s, -10, 10, 0);
    row("ForcesBonusUpDown", u"ForcesBonusEdit"_s, -9, 9, 0);
}

void TestWindowBuilders::upDownsStepWithinTheirRange()
{
    QFETCH(QString, buddy);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, position);
    auto *upDown = control<TUpDown>(QString::fromLatin1(QTest::currentDataTag()));
    auto *box = control<QLineEdit>(buddy);
    QCOMPARE(upDown->buddy(), box);
    QCOMPARE(upDown->minimum(), minimum);
    QCOMPARE(upDown->maximum(), maximum);
    QCOMPARE(upDown->position(), position);
    QCOMPARE(box->text(), QString::number(position));

    upDown->stepUp();
    QCOMPARE(box->text(), QString::number(position + 1));
    for (int i = 0; i < maximum - minimum + 2; ++i)
        upDown->stepUp();
    QCOMPARE(upDown->position(), maximum);
    QCOMPARE(box->text(), QString::number(maximum));
    for (int i = 0; i < maximum - minimum + 2; ++i)
        upDown->stepDown();
    QCOMPARE(upDown->position(), minimum);
    QCOMPARE(box->text(), QString::number(minimum));

    // The arrows sit against the box's right edge, on its line.
    QCOMPARE(upDown->parentWidget(), box->parentWidget());
    QVERIFY(qAbs(upDown->x() - (box->x() + box->width())) <= 1);
    QCOMPARE(upDown->y(), box->y());
}

void TestWindowBuilders::configurationBoxesStartOn()
{
    QStringList order;
    for (const QString &group :
         {u"AvailableCharTypesGroupBox"_s, u"AvailableResourceTypesGroupBox"_s}) {
        const auto boxes =
            control<QGroupBox>(group)->findChildren<QCheckBox *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(boxes.size(), 8);
        for (QCheckBox *box : boxes) {
            QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
            QCOMPARE(box->objectName(), box->text() + u"CheckBox"_s);
            order << box->text();
        }
    }
    const QStringList resourceKinds = {u"Songs"_s,   u"Skills"_s,      u"Vessels"_s,
                                       u"Roles"_s,   u"Artifacts"_s,   u"Servants"_s,
                                       u"Discord"_s, u"Distinctions"_s};
    const QStringList types = {u"Angel"_s,   u"Demon"_s,  u"Outcast"_s, u"Renegade"_s,
                               u"Soldier"_s, u"Undead"_s, u"Remnant"_s, u"Mundane"_s};
    QCOMPARE(order, types + resourceKinds);
}

void TestWindowBuilders::onlyTheDistinctionsControlsAreTabStops()
{
    const QStringList tabStops = {u"DistinctionsEdit"_s, u"DistinctionsListBox"_s,
                                  u"DistinctionsBitBtn"_s, u"DistinctionsCheckBox"_s};
    for (const Named &named : namedControls()) {
        if (!takesInput(named.kind))
            continue;
        const auto *widget = control<QWidget>(named.name);
        const Qt::FocusPolicy expected =
            tabStops.contains(named.name) ? Qt::StrongFocus : Qt::ClickFocus;
        QVERIFY2(widget->focusPolicy() == expected, qPrintable(named.name));
    }
    for (const QString &name : {u"MainPageControl"_s, u"ResourcesPageControl"_s}) {
        auto *pages = control<QTabWidget>(name);
        QCOMPARE(pages->focusPolicy(), Qt::NoFocus);
        QCOMPARE(pages->tabBar()->focusPolicy(), Qt::NoFocus);
    }
}

void TestWindowBuilders::frameIsFixedWithoutMaximise()
{
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(m_form->width(), 579);
    QVERIFY(m_form->statusBar()->isSizeGripEnabled() == false);
    // Centred on the screen it opens on.
    const QRect available = m_form->screen()->availableGeometry();
    QVERIFY(qAbs(m_form->geometry().center().x() - available.center().x()) <= 1);
    QVERIFY(qAbs(m_form->geometry().center().y() - available.center().y()) <= 1);
}

void TestWindowBuilders::clientAreaIsDividedAsDescribed()
{
    showForm();
    const QMenuBar *bar = m_form->menuBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(m_form->height() - bar->height(), 455);
    QCOMPARE(m_form->centralWidget(), control<QWidget>(u"Panel1"_s));
    QCOMPARE(m_form->centralWidget()->geometry(), QRect(0, bar->height(), 579, 436));
    const QStatusBar *status = control<QStatusBar>(u"StatusBar1"_s);
    QCOMPARE(m_form->statusBar(), status);
    QCOMPARE(status->geometry(), QRect(0, m_form->height() - 19, 579, 19));
    QCOMPARE(control<QWidget>(u"MainPageControl"_s)->geometry(), QRect(1, 1, 577, 434));

    auto *main = control<QTabWidget>(u"MainPageControl"_s);
    QCOMPARE(main->count(), 2);
    QCOMPARE(main->tabText(0), u"Character Generation"_s);
    QCOMPARE(main->widget(0)->objectName(), u"CharSheet"_s);
    QCOMPARE(main->tabText(1), u"Configuration"_s);
    QCOMPARE(main->widget(1)->objectName(), u"ConfigSheet"_s);
}

void TestWindowBuilders::resourceTabsStandInOrder()
{
    auto *pages = control<QTabWidget>(u"ResourcesPageControl"_s);
    const QStringList captions = {u"Songs"_s,    u"Skills"_s,    u"Vessels"_s, u"Roles"_s,
                                  u"Servants"_s, u"Artifacts"_s, u"Discord"_s, u"Distinctions"_s};
    QCOMPARE(pages->count(), captions.size());
    for (int i = 0; i < pages->count(); ++i) {
        QCOMPARE(pages->tabText(i), captions.at(i));
        QCOMPARE(pages->widget(i)->objectName(), ResourcePages.at(i));
    }
    QVERIFY(control<QWidget>(u"Panel2"_s)->isAncestorOf(pages));
}

void TestWindowBuilders::eachResourcePageHoldsOnlyItsBevel_data()
{
    QTest::addColumn<QString>("list");
    const QStringList lists = {u"SongsListBox"_s,    u"SkillsListBox"_s,      u"VesselsListBox"_s,
                               u"RolesListBox"_s,    u"ServantsListBox"_s,    u"ArtifactsListBox"_s,
                               u"DiscordsListBox"_s, u"DistinctionsListBox"_s};
    for (int i = 0; i < ResourcePages.size(); ++i)
        QTest::newRow(qPrintable(ResourcePages.at(i))) << lists.at(i);
}

void TestWindowBuilders::eachResourcePageHoldsOnlyItsBevel()
{
    QFETCH(QString, list);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto *page = control<QWidget>(name);
    const auto children = page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    // The bevel, and the note shown in its place while the configuration hides it.
    QCOMPARE(children.size(), 2);
    QCOMPARE(children.last()->objectName(), name + u"SwitchedOffLabel"_s);
    QVERIFY(children.last()->isHidden());
    auto *bevel = qobject_cast<QFrame *>(children.first());
    QVERIFY(bevel);
    QCOMPARE(bevel->objectName(), name + u"Bevel"_s);
    QVERIFY(bevel->isAncestorOf(control<QWidget>(list)));

    // Hiding the bevel leaves nothing of the page on show.
    showForm();
    control<QTabWidget>(u"ResourcesPageControl"_s)->setCurrentWidget(page);
    QVERIFY(control<QWidget>(list)->isVisible());
    bevel->hide();
    for (QWidget *widget : page->findChildren<QWidget *>())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TestWindowBuilders::controlsStandWhereDescribed_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QRect>("geometry");
    const auto row = [](const char *name, const QString &area, QRect geometry) {
        QTest::newRow(name) << area << geometry;
    };
    const QString sheet = u"CharSheet"_s;
    row("SuperiorComboBox", sheet, {380, 20, 185, 21});
    row("CharTypeGroup", sheet, {3, 42, 180, 91});
    row("ExtraChoir_BandAttunmentSpeedButton", sheet, {324, 43, 49, 22});
    row("ExtraSuperiorAttunmentSpeedButton", sheet, {516, 43, 46, 22});
    row("ExtraSuperiorAttunmentListBox", sheet, {380, 81, 185, 52});
    row("CorporealEdit", sheet, {129, 142, 29, 38});
    row("CelestialForcesUpSpeedButton", sheet, {483, 142, 25, 20});
    row("TotalForcesEdit", sheet, {528, 142, 37, 38});
    row("AgilityEdit", sheet, {129, 203, 29, 21});
    row("PerceptionEdit", sheet, {453, 203, 29, 21});
    row("CelestialDownSpeedButton", sheet, {483, 203, 25, 20});
    row("SoulHitsEdit", sheet, {453, 232, 29, 21});
    row("ResourcesPageControl", sheet, {2, 259, 565, 145});
    row("SongTypeRadioGroup", u"SongsTabSheet"_s, {45, 28, 91, 78});
    row("SongAddBitBtn", u"SongsTabSheet"_s, {153, 84, 75, 24});
    row("SongsListBox", u"SongsTabSheet"_s, {234, 6, 315, 104});
    row("BodyHitsEdit", u"VesselsTabSheet"_s, {198, 31, 31, 21});
    row("VesselCharismaEdit", u"VesselsTabSheet"_s, {89, 54, 31, 21});
    row("RoleStatusEdit", u"RolesTabSheet"_s, {183, 57, 31, 21});
    const QString config = u"ConfigSheet"_s;
    row("AvailableCharTypesGroupBox", config, {6, 6, 139, 187});
    row("BonusGroupBox", config, {6, 195, 140, 55});
    row("GroupBox1", config, {6, 255, 141, 58});
}

// Positions are the left and top edges within the page; a few pixels either way keep the
// arrangement.
void TestWindowBuilders::controlsStandWhereDescribed()
{
    QFETCH(QString, area);
    QFETCH(QRect, geometry);
    showForm();
    auto *widget = control<QWidget>(QString::fromLatin1(QTest::currentDataTag()));
    auto *page = control<QWidget>(area);
    const QRect actual(widget->mapTo(page, QPoint(0, 0)), widget->size());
    const bool near = qAbs(actual.x() - geometry.x()) <= 3 &&
                      qAbs(actual.y() - geometry.y()) <= 3 && actual.size() == geometry.size();
    if (!near)
        qWarning() << "at" << actual << "instead of" << geometry;
    QVERIFY(near);
}

// Within each hand-placed area, no two controls cover each other (the characteristic boxes of a
// pair touch by one pixel) and none reaches outside its area.
void TestWindowBuilders::siblingsDoNotOverlapOrLeaveTheirArea()
{
    showForm();
    auto *sheet = control<QWidget>(u"CharSheet"_s);
    QList<QWidget *> areas = {sheet};
    for (QFrame *frame : sheet->findChildren<QFrame *>(Qt::FindDirectChildrenOnly))
        areas << frame;
    auto *config = control<QWidget>(u"ConfigSheet"_s);
    areas << config->findChildren<QFrame *>(Qt::FindDirectChildrenOnly).first();
    for (QGroupBox *group : config->findChildren<QGroupBox *>())
        areas << group;
    auto *resources = control<QTabWidget>(u"ResourcesPageControl"_s);
    for (const QString &page : ResourcePages) {
        resources->setCurrentWidget(control<QWidget>(page));
        areas << control<QWidget>(page + u"Bevel"_s);
    }
    QCOMPARE(areas.size(), 1 + 2 + 1 + 4 + 8);

    for (QWidget *area : std::as_const(areas)) {
        const auto children = area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < children.size(); ++i) {
            const QRect a = children.at(i)->geometry();
            QVERIFY2(area->rect().contains(a), qPrintable(children.at(i)->objectName()));
            for (int j = i + 1; j < children.size(); ++j) {
                const QRect both = a.intersected(children.at(j)->geometry());
                const bool apart = both.isEmpty() || both.width() <= 1 || both.height() <= 1;
                QVERIFY2(apart,
                         qPrintable(children.at(i)->objectName() + u" and "_s +
                                    children.at(j)->objectName() + u" in "_s + area->objectName()));
            }
        }
    }
}

void TestWindowBuilders::fontsFollowTheirArea_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    const QString serif = u"Times New Roman"_s;
    const QString sans = u"MS Sans Serif"_s;
    QTest::newRow("Corporeal:") << serif << 24 << true;
    QTest::newRow("Celestial:") << serif << 24 << true;
    QTest::newRow("=") << sans << 24 << true;
    QTest::newRow("Character Name:") << serif << 15 << true;
    QTest::newRow("Perception:") << serif << 15 << true;
    QTest::newRow("Character Points:") << serif << 15 << true;
    QTest::newRow("SoulHits:") << serif << 15 << true;
    // The default font: 8 points, not bold.
    QTest::newRow("Extra Superior Attunments:") << sans << -1 << false;
    QTest::newRow("Song:") << sans << -1 << false;
    QTest::newRow("Body Hits:") << sans << -1 << false;
}

void TestWindowBuilders::fontsFollowTheirArea()
{
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    const QString text = QString::fromLatin1(QTest::currentDataTag());
    const QLabel *found = nullptr;
    for (const QLabel *label : m_form->findChildren<QLabel *>()) {
        if (label->text() == text)
            found = label;
    }
    QVERIFY(found);
    const QFont font = found->font();
    // The font names the family itself or, where that is not installed, one installed face of
    // its width, so that resolving it searches for no substitute.
    const QStringList faces =
        family == u"Times New Roman"_s
            ? QStringList{family, u"Liberation Serif"_s}
            : QStringList{family, u"Microsoft Sans Serif"_s, u"Arial"_s, u"Liberation Sans"_s};
    QVERIFY2(faces.contains(font.family()), qPrintable(font.family()));
    const QStringList installed = QFontDatabase::families();
    if (std::any_of(faces.cbegin(), faces.cend(),
                    [&](const QString &face) { return installed.contains(face); })) {
        QVERIFY2(installed.contains(font.family()), qPrintable(font.family()));
        QCOMPARE(font.families(), QStringList{font.family()});
    }
    QCOMPARE(font.bold(), bold);
    if (pixelSize > 0)
        QCOMPARE(font.pixelSize(), pixelSize);
    else
        QCOMPARE(font.pointSize(), 8);
}

void TestWindowBuilders::labelsShowTheirWholeText()
{
    showForm();
    const QString face = QFontInfo(m_form->font()).family();
    if (face != u"Liberation Sans"_s && face != u"MS Sans Serif"_s && face != u"Arial"_s)
        QSKIP("the window's font or a face of its width is not installed");
    control<QTabWidget>(u"MainPageControl"_s)->setCurrentIndex(1);
    for (const QLabel *label : m_form->findChildren<QLabel *>()) {
        // A note that wraps its lines fills its page instead.
        if (label->wordWrap())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(),
                 qPrintable(label->text() + u" needs "_s + QString::number(needed)));
    }
    for (const QCheckBox *box : m_form->findChildren<QCheckBox *>())
        QVERIFY2(captionFits(box, QStyle::SE_CheckBoxContents), qPrintable(box->text()));
    for (const QRadioButton *button : m_form->findChildren<QRadioButton *>())
        QVERIFY2(captionFits(button, QStyle::SE_RadioButtonContents), qPrintable(button->text()));
}

void TestWindowBuilders::imageButtonsCarryTheirImage()
{
    for (const Named &named : namedControls()) {
        if (named.kind != Kind::Button)
            continue;
        auto *button = control<QAbstractButton>(named.name);
        QVERIFY2(!button->icon().isNull(), qPrintable(named.name));
        const bool arrowOnly =
            named.name.contains(u"UpSpeed"_s) || named.name.contains(u"DownSpeed"_s);
        if (arrowOnly) {
            QVERIFY2(button->text().isEmpty(), qPrintable(named.name));
        } else {
            const QString caption = named.name.contains(u"Bonus"_s) ? u"Apply"_s : u"Add"_s;
            QCOMPARE(button->text(), caption);
            // Laid out right to left, the image stands right of the caption.
            QCOMPARE(button->layoutDirection(), Qt::RightToLeft);
        }
    }
}

void TestWindowBuilders::numberBoxesHoldTheirWidestValue_data()
{
    QTest::addColumn<QString>("widest");
    QTest::newRow("CorporealEdit") << u"6"_s;
    QTest::newRow("TotalForcesEdit") << u"18"_s;
    QTest::newRow("StrengthEdit") << u"12"_s;
    QTest::newRow("MindHitsEdit") << u"72"_s;
    QTest::newRow("CharacterPointsEdit") << u"108"_s;
    QTest::newRow("VesselCharismaEdit") << u"-2"_s;
    QTest::newRow("BodyHitsEdit") << u"108"_s;
    QTest::newRow("ArtifactModifierEdit") << u"-6"_s;
    QTest::newRow("BonusEdit") << u"-10"_s;
    QTest::newRow("ForcesBonusEdit") << u"-9"_s;
}

void TestWindowBuilders::numberBoxesHoldTheirWidestValue()
{
    QFETCH(QString, widest);
    const QString face = QFontInfo(m_form->font()).family();
    if (face != u"Liberation Sans"_s && face != u"MS Sans Serif"_s && face != u"Arial"_s)
        QSKIP("the window's font or a face of its width is not installed");
    auto *box = control<QLineEdit>(QString::fromLatin1(QTest::currentDataTag()));
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    // A line edit keeps two pixels clear on either side of its text.
    const int room = contents.width() - box->textMargins().left() - box->textMargins().right() - 4;
    QVERIFY2(box->fontMetrics().horizontalAdvance(widest) <= room,
             qPrintable(u"%1 needs %2 of %3"_s.arg(widest)
                            .arg(box->fontMetrics().horizontalAdvance(widest))
                            .arg(room)));
}

void TestWindowBuilders::totalBoxShowsItsColour_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("green") << int(TotalColour::Green) << QColor(0, 128, 0);
    QTest::newRow("red") << int(TotalColour::Red) << QColor(255, 0, 0);
}

// The box is read-only; its background must still show the colour the rules give it.
void TestWindowBuilders::totalBoxShowsItsColour()
{
    QFETCH(int, colour);
    QFETCH(QColor, shown);
    showForm();
    m_form->sheet().setTotalColour(TotalColour(colour));
    auto *total = control<QLineEdit>(u"TotalForcesEdit"_s);
    const QImage image = total->grab().toImage();
    const QPoint clear(image.width() - 6, image.height() / 2);
    QCOMPARE(image.pixelColor(clear).rgb(), shown.rgb());
}

QTEST_MAIN(TestWindowBuilders)
#include "tst_window_builders.moc"
