// What a desktop user expects of the window beyond its handlers, one wiring test each: a prompt
// that typing replaces, a pasted value held to the value limit, files dropped to open, entries read
// whole, the wheel on number boxes, the help window's placement and Escape, the PDF name offered,
// and a readable total.
#include "files/FileCommands.h"
#include "gui/FileDialogAnswers.h"
#include "sheet/CharacterSheet.h"
#include "shell/HelpWindow.h"
#include "shell/cMain.h"
#include "shell/widgets/TUpDown.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolTip>
#include <QUrl>

using namespace Qt::StringLiterals;

class TestDesktopHabits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void typingAfterAClickReplacesThePrompt_data();
    void typingAfterAClickReplacesThePrompt();
    void pastedValueStopsAtTheValueLimit();
    void droppedFilesOpenTheFirst();
    void entriesAreReadWhole();
    void wheelStepsALevelBox();
    void helpOpensOverTheWindowAndEscapeClosesIt();
    void pdfDialogOffersTheCharactersName();
    void totalDigitsAreReadableOnBothColours();

private:
    template <class T> T *control(const QString &name) const { return m_form->control<T>(name); }

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestDesktopHabits::init()
{
    QVERIFY(m_folder.enter());
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestDesktopHabits::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

void TestDesktopHabits::typingAfterAClickReplacesThePrompt_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("name") << u"CharacterNameEdit"_s << u"Enter Character Name"_s;
    QTest::newRow("Choir/Band") << u"Choir_BandComboBox"_s << u"Select Choir or Band"_s;
    QTest::newRow("Superior") << u"SuperiorComboBox"_s << u"Select Superior"_s;
}

void TestDesktopHabits::typingAfterAClickReplacesThePrompt()
{
    QFETCH(QString, box);
    QFETCH(QString, prompt);
    auto *combo = m_form->findChild<QComboBox *>(box);
    auto *name = combo ? combo->lineEdit() : control<QLineEdit>(box);
    QCOMPARE(name->text(), prompt);
    QTest::mouseClick(name, Qt::LeftButton, {}, name->rect().center());
    QTRY_VERIFY(name->hasSelectedText());
    // A second click, into the middle of the prompt, selects it whole again.
    QTest::mouseClick(name, Qt::LeftButton, {}, name->rect().center());
    QCOMPARE(name->selectedText(), prompt);
    QTest::keyClicks(name, u"Ofanim"_s);
    QCOMPARE(name->text(), u"Ofanim"_s);
}

// A longer value would be saved into a file that Open refuses.
void TestDesktopHabits::pastedValueStopsAtTheValueLimit()
{
    // What the box takes, not a paste of that size: laying out 100,000 letters takes minutes
    // under the sanitizers.
    for (const QString &name : {u"CharacterNameEdit"_s, u"CorporealEdit"_s})
        QCOMPARE(control<QLineEdit>(name)->maxLength(), 100'000);
    QCOMPARE(control<QComboBox>(u"SuperiorComboBox"_s)->lineEdit()->maxLength(), 100'000);
}

void TestDesktopHabits::droppedFilesOpenTheFirst()
{
    QVERIFY(QDir(m_folder.path()).mkdir(u"party"_s));
    const QString first = m_folder.filePath(u"party/auriel.qmc"_s);
    CharacterSheet stored;
    stored.setText(SheetValue::CharacterName, u"Auriel"_s);
    FileCommands::store(stored, first);

    // Dropped on the name box, the file opens; its path does not become the name.
    ModalWatcher watcher;
    dropFiles(control<QLineEdit>(u"CharacterNameEdit"_s), {first});
    QTRY_COMPARE(m_form->sheet().text(SheetValue::CharacterName), u"Auriel"_s);
    QCOMPARE(QDir::currentPath(), m_folder.filePath(u"party"_s));
    QCOMPARE(watcher.seen().size(), 0);

    // The changed name is given up only on the player's word.
    m_form->sheet().setText(SheetValue::CharacterName, u"Other"_s);
    watcher.answer(QMessageBox::Discard);
    dropFiles(m_form.get(),
              {first, m_folder.filePath(u"second.qmc"_s), m_folder.filePath(u"third.qmc"_s)});
    QTRY_COMPARE(
        watcher.texts(),
        (QStringList{u"The character has been changed. Do you want to save it?"_s,
                     u"Only the first of the 3 files dropped was opened; the others were not."_s}));
    QCOMPARE(m_form->sheet().text(SheetValue::CharacterName), u"Auriel"_s);
    QVERIFY(!watcher.unexpected());
}

void TestDesktopHabits::entriesAreReadWhole()
{
    const QString skill = u"Underwater <b>Basket</b> Weaving of the Deep Northern Fjords Level:3"_s;
    m_form->sheet().setItems(SheetList::Skills, {skill});
    control<QTabWidget>(u"ResourcesPageControl"_s)
        ->setCurrentWidget(control<QWidget>(u"SkillsTabSheet"_s));
    auto *list = control<QListView>(u"SkillsListBox"_s);
    const QPoint at = list->visualRect(list->model()->index(0, 0)).center();
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    QCOMPARE(shown.toPlainText(), skill);
    QToolTip::hideText();

    auto *superior = control<QComboBox>(u"SuperiorComboBox"_s);
    // Its own entries are measured when it is first used: the widest fits the drop-down.
    QVERIFY(!superior->hasFocus());
    QTest::mouseClick(superior->lineEdit(), Qt::LeftButton);
    QVERIFY(superior->view()->minimumWidth() >=
            superior->fontMetrics().horizontalAdvance(u"Laurence, Archangel of the Sword"_s));
    const QString longest = u"Laurence, Archangel of the Sword and of Every Blade Drawn in Light"_s;
    superior->addItem(longest);
    const int widest = superior->fontMetrics().horizontalAdvance(longest);
    QVERIFY(widest > superior->width());
    superior->showPopup();
    QVERIFY(superior->view()->isVisible());
    QVERIFY2(superior->view()->viewport()->width() >= widest,
             qPrintable(u"%1 < %2"_s.arg(superior->view()->viewport()->width()).arg(widest)));
    superior->hidePopup();
}

void TestDesktopHabits::wheelStepsALevelBox()
{
    auto *upDown = control<TUpDown>(u"SkillLevelUpDown"_s);
    QLineEdit *box = upDown->buddy();
    int moves = 0;
    connect(upDown, &TUpDown::positionMoved, this, [&moves] { ++moves; });
    const auto turn = [box](int delta) {
        const QPointF at = box->rect().center();
        QWheelEvent wheel(at, box->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
    };
    QCOMPARE(box->text(), u"1"_s);
    turn(120);
    QCOMPARE(box->text(), u"2"_s);
    turn(60); // half a notch does nothing yet
    QCOMPARE(box->text(), u"2"_s);
    turn(60);
    QCOMPARE(box->text(), u"3"_s);
    for (int i = 0; i < 5; ++i)
        turn(-120);
    QCOMPARE(box->text(), u"1"_s); // the arrows' lower limit
    QCOMPARE(moves, 4);
}

void TestDesktopHabits::helpOpensOverTheWindowAndEscapeClosesIt()
{
    m_form->move(40, 30);
    QTest::keyClick(m_form.get(), Qt::Key_F1);
    auto *help = m_form->findChild<HelpWindow *>(u"HelpWindow"_s);
    QVERIFY(help && help->isVisible());
    const QPoint offset = help->frameGeometry().center() - m_form->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4, qPrintable(u"%1,%2"_s.arg(offset.x()).arg(offset.y())));
    QVERIFY(m_form->screen()->availableGeometry().contains(help->frameGeometry()));

    QApplication::setActiveWindow(help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

void TestDesktopHabits::pdfDialogOffersTheCharactersName()
{
    QVERIFY(QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"),
                        m_folder.filePath(u"qmsheet.rav"_s)));
    m_form->sheet().setText(SheetValue::CharacterName, u"Ivo Brandt"_s);
    ModalWatcher watcher;
    QString offered;
    QString folder;
    watcher.onDialog(sendReportToFile);
    watcher.onDialog([&](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        offered = files->findChild<QLineEdit *>(u"fileNameEdit"_s)->text();
        folder = files->directory().absolutePath();
        typeFileName(m_folder.filePath(offered))(dialog);
    });
    control<QAction>(u"Print1"_s)->trigger();
    QVERIFY(!watcher.unexpected());
    QCOMPARE(offered, u"Ivo Brandt.pdf"_s);
    QCOMPARE(folder, QDir::currentPath());
    // The document is named after the character: the PDF's title, in UTF-16 with its mark.
    QFile pdf(m_folder.filePath(offered));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QByteArray title("\xFE\xFF");
    for (QChar c : u"Ivo Brandt"_s)
        title.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    QVERIFY(pdf.readAll().contains(title));
}

void TestDesktopHabits::totalDigitsAreReadableOnBothColours()
{
    auto *total = control<QLineEdit>(u"TotalForcesEdit"_s);
    m_form->sheet().setTotalColour(TotalColour::Green);
    QCOMPARE(total->palette().color(QPalette::Base), QColor(0, 128, 0));
    QCOMPARE(total->palette().color(QPalette::Text), QColor(Qt::white));
    m_form->sheet().setTotalColour(TotalColour::Red);
    QCOMPARE(total->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(total->palette().color(QPalette::Text), QColor(Qt::black));
}

QTEST_MAIN(TestDesktopHabits)
#include "tst_desktop_habits.moc"
