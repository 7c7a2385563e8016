#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"
#include "shell/widgets/TRadioGroup.h"
#include "shell/widgets/TUpDown.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString askDelete = u"Do you wish to delete this item?"_s;
const QString nothingSelected = u"Nothing Selected for Delete."_s;

} // namespace

class TestResourcesWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void songBoughtThroughThePage();
    void refusedAddShowsOnePlainBox();
    void artifactWithoutTypeShowsTwoBoxes();
    void vesselUpDownShowsBodyHitsAtOnce();
    void vesselAddRefreshesBodyHitsBeforeRefusing();
    void upDownsStopAtTheirEnds_data();
    void upDownsStopAtTheirEnds();
    void typedNonNumberShowsTheErrorBox();
    void rightPressDeletesTheSelection();
    void rightPressWithoutSelection_data();
    void rightPressWithoutSelection();
    void leftPressSelectsAndNeverAsks();
    void controlsCarrySpokenNames_data();
    void controlsCarrySpokenNames();

private:
    template <class T> T *control(const QString &name) const { return m_form->control<T>(name); }
    void setText(const QString &edit, const QString &text)
    {
        control<QLineEdit>(edit)->setText(text);
    }
    void click(const QString &button) { control<QAbstractButton>(button)->click(); }
    QString text(const QString &edit) const { return control<QLineEdit>(edit)->text(); }
    QStringList rows(const QString &list) const
    {
        QStringList texts;
        const QAbstractItemModel *model = control<QListView>(list)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, 0).data().toString();
        return texts;
    }
    QListView *showList(const QString &name) const;
    void pressOnRow(QListView *list, int row, Qt::MouseButton button) const;
    void startCharacter(int pool);

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestResourcesWindow::init()
{
    QVERIFY(m_folder.enter());
    QDir::setCurrent(m_folder.path()); // the settings file stays in the temporary folder
    m_form = std::make_unique<TMainForm>();
    m_form->show();
}

void TestResourcesWindow::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

// A type is chosen (recorded only; its starting values do not matter here) and the pool is set.
void TestResourcesWindow::startCharacter(int pool)
{
    m_form->sheet().setTypeIndex(0);
    m_form->sheet().setNumber(SheetValue::CharacterPoints, pool);
}

// Brings the list's page to the front on every page control it sits in.
QListView *TestResourcesWindow::showList(const QString &name) const
{
    auto *list = control<QListView>(name);
    for (QWidget *w = list; w->parentWidget(); w = w->parentWidget()) {
        if (auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget()))
            stack->setCurrentWidget(w);
    }
    return list;
}

void TestResourcesWindow::pressOnRow(QListView *list, int row, Qt::MouseButton button) const
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), button, {}, row < 0 ? QPoint(2, 2) : rect.center());
}

void TestResourcesWindow::songBoughtThroughThePage()
{
    startCharacter(10);
    setText(u"SongEdit"_s, u"Charm"_s);
    control<TRadioGroup>(u"SongTypeRadioGroup"_s)->button(1)->click();
    auto *level = control<TUpDown>(u"SongLevelUpDown"_s);
    level->stepUp();
    level->stepUp();
    ModalWatcher watcher;
    click(u"SongAddBitBtn"_s);
    QVERIFY(watcher.seen().isEmpty());
    QCOMPARE(rows(u"SongsListBox"_s), QStringList{u"Ethereal Song of Charm ,Level:3"_s});
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"7"_s);
    click(u"SongAddBitBtn"_s);
    QCOMPARE(watcher.texts(), QStringList{u"You already have that song."_s});
    QCOMPARE(text(u"SongEdit"_s), u"Charm"_s); // the inputs stay for the next entry
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"7"_s);
}

void TestResourcesWindow::refusedAddShowsOnePlainBox()
{
    ModalWatcher watcher;
    click(u"SkillAddBitBtn"_s);
    click(u"ExtraSuperiorAttunmentSpeedButton"_s);
    QCOMPARE(watcher.texts(), (QStringList{u"You must first select a Character Type."_s,
                                           u"You must first Select a Character Type."_s}));
    for (const ModalWatcher::Box &box : watcher.seen()) {
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::Ok);
    }
    QVERIFY(rows(u"SkillsListBox"_s).isEmpty());
    QVERIFY(!watcher.unexpected());
}

void TestResourcesWindow::artifactWithoutTypeShowsTwoBoxes()
{
    startCharacter(10);
    setText(u"ArtifactEdit"_s, u"Lamp"_s);
    ModalWatcher watcher;
    click(u"ArtifactAddBitBtn"_s);
    QCOMPARE(watcher.texts(), (QStringList{u"You must select an Artifact Type."_s,
                                           u"You must first select an Artifact Type."_s}));
    control<TRadioGroup>(u"ArtifactTypeRadioGroup"_s)->button(2)->click();
    watcher.clear();
    click(u"ArtifactAddBitBtn"_s);
    QVERIFY(watcher.seen().isEmpty());
    QCOMPARE(rows(u"ArtifactsListBox"_s),
             QStringList{u"Celestial Artifact of Lamp ,Level:1 ,Modifier:0 ,Cost:3"_s});
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"7"_s);
}

void TestResourcesWindow::vesselUpDownShowsBodyHitsAtOnce()
{
    m_form->sheet().setNumber(SheetValue::Strength, 3);
    m_form->sheet().setNumber(SheetValue::Corporeal, 2);
    auto *level = control<TUpDown>(u"VesselUpDown"_s);
    level->stepUp();
    QCOMPARE(text(u"VesselLevelEdit"_s), u"2"_s);
    QCOMPARE(text(u"BodyHitsEdit"_s), u"12"_s);
    level->stepUp();
    QCOMPARE(text(u"BodyHitsEdit"_s), u"15"_s);
    // Without a move nothing runs: a changed Strength shows only after the next move.
    m_form->sheet().setNumber(SheetValue::Strength, 4);
    level->setPosition(6);
    level->stepUp();
    QCOMPARE(text(u"BodyHitsEdit"_s), u"15"_s);
    level->stepDown();
    QCOMPARE(text(u"BodyHitsEdit"_s), u"28"_s);
}

void TestResourcesWindow::vesselAddRefreshesBodyHitsBeforeRefusing()
{
    m_form->sheet().setNumber(SheetValue::Strength, 3);
    m_form->sheet().setNumber(SheetValue::Corporeal, 2);
    ModalWatcher watcher;
    click(u"VesselAddBitBtn"_s);
    QCOMPARE(watcher.texts(), QStringList{u"You must first select a Character Type."_s});
    QCOMPARE(text(u"BodyHitsEdit"_s), u"9"_s);
    QVERIFY(rows(u"VesselsListBox"_s).isEmpty());
}

void TestResourcesWindow::upDownsStopAtTheirEnds_data()
{
    QTest::addColumn<QString>("upDown");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("lowest");
    QTest::addColumn<QString>("highest");
    QTest::newRow("song level") << u"SongLevelUpDown"_s << u"SongLevelEdit"_s << u"1"_s << u"1"_s
                                << u"6"_s;
    QTest::newRow("vessel charisma")
        << u"VesselCharismaUpDown"_s << u"VesselCharismaEdit"_s << u"0"_s << u"-2"_s << u"3"_s;
    QTest::newRow("artifact modifier")
        << u"ArtifactModifierUpDown"_s << u"ArtifactModifierEdit"_s << u"0"_s << u"-6"_s << u"6"_s;
    QTest::newRow("role status") << u"RoleStatusUpDown"_s << u"RoleStatusEdit"_s << u"1"_s << u"1"_s
                                 << u"6"_s;
}

void TestResourcesWindow::upDownsStopAtTheirEnds()
{
    QFETCH(QString, upDown);
    QFETCH(QString, edit);
    auto *arrows = control<TUpDown>(upDown);
    QTEST(text(edit), "start");
    for (int i = 0; i < 20; ++i)
        arrows->stepDown();
    QTEST(text(edit), "lowest");
    for (int i = 0; i < 20; ++i)
        arrows->stepUp();
    QTEST(text(edit), "highest");
}

void TestResourcesWindow::typedNonNumberShowsTheErrorBox()
{
    startCharacter(10);
    setText(u"ServantEdit"_s, u"Hound"_s);
    setText(u"ServantLevelEdit"_s, u"abc"_s);
    ModalWatcher watcher;
    click(u"ServantAddBitBtn"_s);
    QCOMPARE(watcher.texts(), QStringList{u"'abc' is not a valid integer value."_s});
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::Critical);
    QVERIFY(rows(u"ServantsListBox"_s).isEmpty());
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"10"_s);
    setText(u"ServantLevelEdit"_s, u"8"_s);
    watcher.clear();
    click(u"ServantAddBitBtn"_s);
    QVERIFY(watcher.seen().isEmpty());
    QCOMPARE(rows(u"ServantsListBox"_s), QStringList{u"Hound, Level:8, Class:1, Cost:4"_s});
}

// The item deleted is the selection, not the row under the pointer.
void TestResourcesWindow::rightPressDeletesTheSelection()
{
    startCharacter(20);
    m_form->sheet().setItems(SheetList::Roles, {u"Cook, Level:1, Status:1, Cost:1"_s,
                                                u"Night Nurse, Level:5, Status:5, Cost:13"_s});
    QListView *list = showList(u"RolesListBox"_s);
    QVERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(1, 0));
    ModalWatcher watcher;
    watcher.answer(QMessageBox::Yes);
    pressOnRow(list, 0, Qt::RightButton);
    QCOMPARE(watcher.texts(), QStringList{askDelete});
    const ModalWatcher::Box &box = watcher.seen().constFirst();
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.defaultButton, QMessageBox::Yes);
    QCOMPARE(rows(u"RolesListBox"_s), QStringList{u"Cook, Level:1, Status:1, Cost:1"_s});
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"33"_s);
    QVERIFY(!watcher.unexpected());
}

void TestResourcesWindow::rightPressWithoutSelection_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<SheetList>("sheetList");
    QTest::addColumn<int>("items");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("empty songs") << u"SongsListBox"_s << SheetList::Songs << 0
                                 << QStringList{askDelete, nothingSelected};
    QTest::newRow("discords") << u"DiscordsListBox"_s << SheetList::Discords << 2
                              << QStringList{askDelete, nothingSelected};
    QTest::newRow("choir attunements")
        << u"ExtraChoir_BandAttunmentListBox"_s << SheetList::ChoirBandAttunements << 1
        << QStringList{askDelete, nothingSelected};
    QTest::newRow("distinctions, silent")
        << u"DistinctionsListBox"_s << SheetList::Distinctions << 2 << QStringList{askDelete};
}

void TestResourcesWindow::rightPressWithoutSelection()
{
    QFETCH(QString, list);
    QFETCH(SheetList, sheetList);
    QFETCH(int, items);
    startCharacter(20);
    QListView *view = showList(list);
    QVERIFY(view->isVisible());
    m_form->sheet().setItems(sheetList, QStringList(items, u"Item ,Cost:3"_s));
    QCOMPARE(view->model()->rowCount(), items);
    const QStringListModel *model = m_form->sheet().list(sheetList);
    ModalWatcher watcher;
    watcher.answer(QMessageBox::Yes);
    pressOnRow(view, items - 1, Qt::RightButton);
    QTEST(watcher.texts(), "shown");
    QCOMPARE(model->rowCount(), items);
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"20"_s);
}

void TestResourcesWindow::leftPressSelectsAndNeverAsks()
{
    startCharacter(0);
    m_form->sheet().setItems(SheetList::Skills, {u"Driving Level:1"_s, u"Swimming Level:5"_s});
    QListView *list = showList(u"SkillsListBox"_s);
    QVERIFY(list->isVisible());
    ModalWatcher watcher;
    pressOnRow(list, 1, Qt::LeftButton);
    QVERIFY(watcher.seen().isEmpty());
    watcher.answer(QMessageBox::Yes);
    pressOnRow(list, 0, Qt::RightButton);
    QCOMPARE(watcher.texts(), QStringList{askDelete});
    QCOMPARE(rows(u"SkillsListBox"_s), QStringList{u"Driving Level:1"_s});
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"5"_s);
    // The deleted row's selection is gone: a second right press finds nothing selected.
    watcher.clear();
    watcher.answer(QMessageBox::Yes);
    pressOnRow(list, 0, Qt::RightButton);
    QCOMPARE(watcher.texts(), (QStringList{askDelete, nothingSelected}));
}

void TestResourcesWindow::controlsCarrySpokenNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("name edit") << u"SongEdit"_s << u"Song name"_s;
    QTest::newRow("type group") << u"ArtifactTypeRadioGroup"_s << u"Artifact type"_s;
    QTest::newRow("second number box") << u"ServantClassEdit"_s << u"Servant class"_s;
    QTest::newRow("its arrows") << u"RoleStatusUpDown"_s << u"Role status arrows"_s;
    QTest::newRow("shown value") << u"BodyHitsEdit"_s << u"Body Hits"_s;
    QTest::newRow("page Add") << u"DistinctionsBitBtn"_s << u"Add Distinction"_s;
    QTest::newRow("page list") << u"DiscordsListBox"_s << u"Discords"_s;
    QTest::newRow("attunement Add")
        << u"ExtraSuperiorAttunmentSpeedButton"_s << u"Add Superior attunement"_s;
    QTest::newRow("attunement list")
        << u"ExtraChoir_BandAttunmentListBox"_s << u"Extra Choir/Band attunements"_s;
}

void TestResourcesWindow::controlsCarrySpokenNames()
{
    QFETCH(QString, control);
    QTEST(this->control<QWidget>(control)->accessibleName(), "spoken");
}

QTEST_MAIN(TestResourcesWindow)
#include "tst_resources_window.moc"
