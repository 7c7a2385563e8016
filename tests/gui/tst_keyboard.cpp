#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QStackedWidget>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

// The keyboard paths of the window: number boxes step on Up and Down, lists delete on Delete,
// the context-menu key and Shift+F10. Every key goes to the widget that holds the focus.
class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void upAndDownStepTheBox_data();
    void upAndDownStepTheBox();
    void deleteKeysRunTheListsDelete_data();
    void deleteKeysRunTheListsDelete();
    void windowIsTitledQuillmark();
    void aCharacterIsBuiltAndSavedByKeyboardAlone();

private:
    template <class T> T *control(const QString &name) const { return m_form->control<T>(name); }
    QString text(const QString &edit) const { return control<QLineEdit>(edit)->text(); }
    void focusOn(QWidget *widget);
    bool tabTo(const std::function<bool(const QWidget *)> &wanted);
    bool tabTo(const QString &name)
    {
        return tabTo([&name](const QWidget *w) { return w->objectName() == name; });
    }
    bool tabToButton(const QString &caption)
    {
        return tabTo([&caption](const QWidget *w) {
            const auto *button = qobject_cast<const QAbstractButton *>(w);
            return button && button->text() == caption;
        });
    }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), Qt::Key(key), modifiers);
    }
    // Where a key goes: the open menu, else the focus widget, else the active window.
    static QWidget *focused()
    {
        if (QWidget *menu = QApplication::activePopupWidget())
            return menu;
        return QApplication::focusWidget() ? QApplication::focusWidget()
                                           : QApplication::activeWindow();
    }
    static void type(const QString &text)
    {
        press(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), text);
    }

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestKeyboard::init()
{
    QVERIFY(m_folder.enter());
    QDir::setCurrent(m_folder.path());
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestKeyboard::cleanup()
{
    m_form.reset();
}

// Brings the widget's page to the front and gives it the focus.
void TestKeyboard::focusOn(QWidget *widget)
{
    for (QWidget *w = widget; w->parentWidget(); w = w->parentWidget()) {
        if (auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget()))
            stack->setCurrentWidget(w);
    }
    widget->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), widget);
}

void TestKeyboard::upAndDownStepTheBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("twoUps");
    QTest::addColumn<QString>("oneDown");
    QTest::addColumn<QString>("highest");
    QTest::newRow("song level, read-only") << u"SongLevelEdit"_s << u"3"_s << u"2"_s << u"6"_s;
    QTest::newRow("vessel charisma") << u"VesselCharismaEdit"_s << u"2"_s << u"1"_s << u"3"_s;
    QTest::newRow("artifact modifier, typed")
        << u"ArtifactModifierEdit"_s << u"2"_s << u"1"_s << u"6"_s;
    QTest::newRow("vessel level") << u"VesselLevelEdit"_s << u"3"_s << u"2"_s << u"6"_s;
}

void TestKeyboard::upAndDownStepTheBox()
{
    QFETCH(QString, box);
    auto *edit = control<QLineEdit>(box);
    focusOn(edit);
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    QTEST(edit->text(), "twoUps");
    press(Qt::Key_Down);
    QTEST(edit->text(), "oneDown");
    for (int i = 0; i < 10; ++i)
        press(Qt::Key_Up);
    QTEST(edit->text(), "highest");
    QCOMPARE(QApplication::focusWidget(), edit);
}

void TestKeyboard::deleteKeysRunTheListsDelete_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("points");
    const QString ask = u"Do you wish to delete this item?"_s;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers() << true
                            << QStringList{ask} << u"33"_s;
    QTest::newRow("menu key") << int(Qt::Key_Menu) << Qt::KeyboardModifiers() << true
                              << QStringList{ask} << u"33"_s;
    QTest::newRow("Shift+F10, nothing selected")
        << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false
        << QStringList{ask, u"Nothing Selected for Delete."_s} << u"20"_s;
}

void TestKeyboard::deleteKeysRunTheListsDelete()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, selected);
    m_form->sheet().setTypeIndex(0);
    m_form->sheet().setNumber(SheetValue::CharacterPoints, 20);
    m_form->sheet().setItems(SheetList::Roles, {u"Cook, Level:1, Status:1, Cost:1"_s,
                                                u"Night Nurse, Level:5, Status:5, Cost:13"_s});
    auto *list = control<QListView>(u"RolesListBox"_s);
    focusOn(list);
    list->selectionModel()->clear();
    if (selected) {
        press(Qt::Key_Home); // the selection follows the keyboard
        press(Qt::Key_Down);
        const QModelIndexList rows = list->selectionModel()->selectedIndexes();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.constFirst().row(), 1);
    }
    ModalWatcher watcher;
    watcher.answer(QMessageBox::Yes);
    watcher.answer(QMessageBox::Ok);
    press(key, modifiers);
    QTEST(watcher.texts(), "shown");
    QTEST(text(u"CharacterPointsEdit"_s), "points");
    QCOMPARE(list->model()->rowCount(), selected ? 1 : 2);
    QVERIFY(list->selectionModel()->selectedIndexes().isEmpty());
    QVERIFY(!watcher.unexpected());
}

// With no file and nothing changed the title shows "Quillmark" alone; "[*]" is where Qt marks a
// change.
void TestKeyboard::windowIsTitledQuillmark()
{
    QCOMPARE(m_form->windowTitle(), u"Quillmark[*]"_s);
    QCOMPARE(m_form->windowHandle()->title(), u"Quillmark"_s);
}

// Tab walks every control of the window, in its focus chain; false when the wanted one does not
// come within a few rounds.
bool TestKeyboard::tabTo(const std::function<bool(const QWidget *)> &wanted)
{
    for (int i = 0; i < 300; ++i) {
        if (QApplication::focusWidget() && wanted(QApplication::focusWidget()))
            return true;
        press(Qt::Key_Tab);
    }
    return false;
}

void TestKeyboard::aCharacterIsBuiltAndSavedByKeyboardAlone()
{
    QVERIFY(tabTo(u"CharacterNameEdit"_s));
    type(u"Iris"_s);
    QVERIFY(tabToButton(u"Angel"_s));
    press(Qt::Key_Space);
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"36"_s);
    QVERIFY(tabTo(u"CelestialForcesDownSpeedButton"_s));
    press(Qt::Key_Space);
    QVERIFY(tabTo(u"CorpForcesUpSpeedButton"_s));
    press(Qt::Key_Space);
    QCOMPARE(text(u"CorporealEdit"_s), u"4"_s);

    QVERIFY(tabTo(u"SongEdit"_s));
    type(u"Charm"_s);
    QVERIFY(tabToButton(u"Ethereal"_s));
    press(Qt::Key_Space);
    QVERIFY(tabTo(u"SongLevelEdit"_s));
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    QCOMPARE(text(u"SongLevelEdit"_s), u"3"_s);
    QVERIFY(tabTo(u"SongAddBitBtn"_s));
    press(Qt::Key_Space);
    auto *songs = control<QListView>(u"SongsListBox"_s);
    QCOMPARE(songs->model()->rowCount(), 1);
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"33"_s);

    ModalWatcher watcher;
    QVERIFY(tabTo(u"SongsListBox"_s));
    press(Qt::Key_Space);
    watcher.answer(QMessageBox::Yes);
    press(Qt::Key_Delete);
    QCOMPARE(watcher.texts(), QStringList{u"Do you wish to delete this item?"_s});
    QCOMPARE(songs->model()->rowCount(), 0);
    QCOMPARE(text(u"CharacterPointsEdit"_s), u"36"_s);
    // The offscreen platform has no window manager to give the window back its activation when
    // the box closes.
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(QApplication::focusWidget(), songs);

    const QString saved = m_folder.path() + u"/iris.qmc"_s;
    watcher.onDialog([](QWidget *dialog) {
        // Keys go to the dialog's own focus widget: the application's focus may not have
        // followed the dialog yet on the offscreen platform.
        QWidget *name = dialog->focusWidget();
        QVERIFY(name);
        QTest::keyClicks(name, u"iris.qmc"_s);
        QTest::keyClick(name, Qt::Key_Return);
    });
    press(Qt::Key_F, Qt::AltModifier);
    press(Qt::Key_S);
    QTRY_VERIFY2(QFile::exists(saved), qPrintable(watcher.texts().join(u'|')));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("Iris"));
    QVERIFY(!bytes.contains("Charm"));
    QVERIFY(!watcher.unexpected());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
