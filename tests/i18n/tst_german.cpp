// On a German desktop the program speaks German, Qt's own buttons included, while what it
// stores stays what it is on any other desktop. The language is chosen by gettext's rule.
#include "cli/CommandLine.h"
#include "common/Translations.h"
#include "export/SheetExports.h"
#include "files/CharacterFile.h"
#include "files/SheetSamples.h"
#include "gui/FileDialogAnswers.h"
#include "i18n/DesktopLanguage.h"
#include "i18n/PlayerTexts.h"
#include "shell/cMain.h"
#include "shell/widgets/TRadioGroup.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestGerman : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_folder.enter()); }
    void cleanup() { m_folder.leave(); }
    void languageByGettextsRule_data();
    void languageByGettextsRule();
    void menusAreGerman();
    void pagesFollowTheirCheckBoxes();
    void listShowsItemsInGermanAndDeletesTheSelectedOne();
    void refusalAndQuestionAreGerman();
    void helpIsGerman();
    void savedFileIsTheEnglishOne_data();
    void savedFileIsTheEnglishOne();
    void exportsReadGermanAndStoreEnglish();
    void wordsAndNumbersBesideTheWindow();

private:
    TemporaryCurrentFolder m_folder;
};

void TestGerman::languageByGettextsRule_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("languages"); // LANGUAGE
    QTest::addColumn<QString>("language");
    QTest::newRow("German desktop") << u"de_DE.UTF-8"_s << QString() << u"de"_s;
    QTest::newRow("C ignores the rest") << u"C"_s << u"de"_s << QString();
    QTest::newRow("C.UTF-8 ignores the rest") << u"C.UTF-8"_s << u"de"_s << QString();
    QTest::newRow("POSIX ignores the rest") << u"POSIX"_s << u"de"_s << QString();
    QTest::newRow("no locale at all") << QString() << u"de"_s << QString();
    QTest::newRow("Swiss French") << u"fr_CH.UTF-8"_s << QString() << u"fr"_s;
    QTest::newRow("first with a catalogue") << u"it_IT.UTF-8"_s << u"it_IT:fr_FR:de"_s << u"fr"_s;
    QTest::newRow("LANGUAGE before the locale") << u"de_DE.UTF-8"_s << u"fr"_s << u"fr"_s;
    QTest::newRow("empty entries skipped") << u"de_DE.UTF-8"_s << u":fr"_s << u"fr"_s;
    QTest::newRow("only empty entries: the locale's") << u"de_DE.UTF-8"_s << u"::"_s << u"de"_s;
    QTest::newRow("English before German") << u"en_GB.UTF-8"_s << u"en_GB:de_DE"_s << QString();
    QTest::newRow("none has a catalogue") << u"ja_JP.UTF-8"_s << QString() << QString();
}

void TestGerman::languageByGettextsRule()
{
    QFETCH(QString, locale);
    QFETCH(QString, languages);
    QFETCH(QString, language);
    QCOMPARE(Translations::chooseLanguage(locale, languages, {u"de"_s, u"fr"_s}), language);
}

void TestGerman::menusAreGerman()
{
    TMainForm form;
    const auto *file = form.findChild<QMenu *>(u"File1"_s);
    QVERIFY(file);
    QStringList items{file->title()};
    for (const QAction *action : file->actions())
        items << action->text();
    QCOMPARE(items, (QStringList{u"&Datei"_s, u"&Neu"_s, u"Ö&ffnen"_s, u"&Speichern"_s,
                                 u"&Drucken"_s, QString(), u"&Beenden"_s}));
}

// The check boxes are found by the tabs' English captions, not by the German ones shown.
void TestGerman::pagesFollowTheirCheckBoxes()
{
    TMainForm form;
    form.show();
    auto *pages = form.findChild<QTabWidget *>(u"ResourcesPageControl"_s);
    QVERIFY(pages);
    Q_EMIT pages->tabBar()->tabBarClicked(1);
    QCOMPARE(pages->currentIndex(), 1);
    QVERIFY(!form.findChild<QWidget *>(u"SkillsTabSheetBevel"_s)->isHidden());
    QVERIFY(form.findChild<QWidget *>(u"SkillsTabSheetSwitchedOffLabel"_s)->isHidden());
}

// The list box reads the items in German while the sheet keeps them stored; the item selected
// there is the one the delete takes from the sheet.
void TestGerman::listShowsItemsInGermanAndDeletesTheSelectedOne()
{
    TMainForm form;
    form.show();
    form.sheet().setNumber(SheetValue::CharacterPoints, 1);
    auto *list = form.control<QListView>(u"SkillsListBox"_s);
    // The shown list follows every change of the sheet's list: reset, append, removal.
    QAbstractItemModelTester tester(list->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QStringList stored = {u"Klettern Level:hoch"_s, u"Swim Level:3"_s};
    form.sheet().setItems(SheetList::Skills, {stored.first()});
    form.sheet().appendItem(SheetList::Skills, stored.last());
    QCOMPARE(list->model()->rowCount(), 2);
    const QModelIndex second = list->model()->index(1, 0);
    QCOMPARE(list->model()->index(0, 0).data().toString(), u"Klettern Level:hoch"_s);
    QCOMPARE(second.data().toString(), u"Swim, Stufe 3"_s);
    QCOMPARE(second.data(Qt::ToolTipRole).toString(), u"Swim, Stufe 3"_s);
    QCOMPARE(form.sheet().items(SheetList::Skills), stored);
    list->setCurrentIndex(second);
    ModalWatcher watcher;
    watcher.answer(QMessageBox::Yes);
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, list->visualRect(second).center());
    QCOMPARE(form.sheet().text(SheetValue::CharacterPoints), u"4"_s);
    QCOMPARE(form.sheet().items(SheetList::Skills), QStringList{stored.first()});
    QCOMPARE(list->model()->rowCount(), 1);
}

void TestGerman::refusalAndQuestionAreGerman()
{
    TMainForm form;
    form.show();
    ModalWatcher watcher;
    form.control<QAbstractButton>(u"CorpForcesUpSpeedButton"_s)->click();
    QCOMPARE(watcher.texts(), QStringList{u"Du musst zuerst einen Charaktertyp auswählen."_s});

    QStringList buttons;
    QTimer::singleShot(0, &form, [&buttons] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        buttons << box->text();
        for (QAbstractButton *button : box->buttons())
            buttons << button->text();
        box->button(QMessageBox::No)->click();
    });
    form.control<QAction>(u"New1"_s)->trigger();
    QCOMPARE(buttons, (QStringList{u"Damit wird die gesamte aktuelle Arbeit gelöscht.  Bist du "
                                   u"sicher?"_s,
                                   u"&Ja"_s, u"&Nein"_s}));
}

void TestGerman::helpIsGerman()
{
    const CommandLine::Request help = CommandLine::parse({u"quillmark"_s, u"--help"_s});
    QVERIFY2(help.output.contains(u"Optionen:"_s), qPrintable(help.output));
    QVERIFY2(help.output.contains(u"Diese Hilfe zeigen und beenden."_s), qPrintable(help.output));
    const CommandLine::Request mistake = CommandLine::parse({u"quillmark"_s, u"a"_s, u"b"_s});
    QCOMPARE(mistake.error, u"quillmark: es kann nur eine Charakterdatei auf einmal geöffnet "
                            u"werden, aber 2 wurden angegeben.\n"
                            u"'quillmark --help' zeigt mehr Informationen.\n"_s);
}

void TestGerman::savedFileIsTheEnglishOne_data()
{
    QTest::addColumn<QString>("opened");
    QTest::newRow("a fresh sheet, its prompts") << QString();
    QTest::newRow("the full sample") << QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc");
}

void TestGerman::savedFileIsTheEnglishOne()
{
    QFETCH(QString, opened);
    TMainForm form;
    form.show();
    if (!opened.isEmpty()) {
        const QString copy = m_folder.filePath(u"opened.qmc"_s);
        QVERIFY(QFile::copy(opened, copy));
        form.openCharacterFile(copy);
    }
    ModalWatcher watcher;
    watcher.onDialog(typeFileName(m_folder.filePath(u"saved.qmc"_s)));
    form.control<QAction>(u"Save1"_s)->trigger();
    QVERIFY(!watcher.unexpected());
    const QString english =
        opened.isEmpty() ? QStringLiteral(QUILLMARK_TEST_DATA "/files/fresh.qmc") : opened;
    QCOMPARE(readFile(m_folder.filePath(u"saved.qmc"_s)), readFile(english));
}

// The Markdown export reads in German; the JSON, for programs, is the English one to the byte.
void TestGerman::exportsReadGermanAndStoreEnglish()
{
    CharacterSheet sheet;
    fillSheet(sheet, CharacterFileFormat::decode(
                         readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc"))));
    const QString markdown =
        QString::fromUtf8(SheetExports::write(SheetExports::Format::Markdown, sheet));
    QVERIFY2(markdown.contains(u"- **Typ:** Engel\n"_s), qPrintable(markdown));
    QVERIFY2(markdown.contains(u"* **Körperlich:** Kräfte 3, Stärke 7, Geschick 5\n"_s),
             qPrintable(markdown));
    QCOMPARE(SheetExports::write(SheetExports::Format::Json, sheet),
             readFile(QStringLiteral(QUILLMARK_TEST_DATA "/exports/full.json")));
}

// A Force's refusal says what is refused, --help names what it is given in German, a nameless
// character's file is offered in German, and large numbers are written the German way.
void TestGerman::wordsAndNumbersBesideTheWindow()
{
    QCOMPARE(PlayerTexts::forceAtSixRefusal(), u"Eine Kraft kann 6 nicht überschreiten."_s);
    QCOMPARE(PlayerTexts::nameOfANamelessCharacter(), u"Charakter.qmc"_s);
    const QString help = PlayerTexts::help();
    QVERIFY2(help.startsWith(u"Aufruf: quillmark [Optionen] [DATEI]\n"_s) &&
                 help.contains(u"--pdf <AUSGABE> "_s) && help.contains(u"--layout <LAYOUT.rav>"_s),
             qPrintable(help));
    const QString refusal = PlayerTexts::tooLongValueRefusal();
    QVERIFY2(
        refusal.endsWith(u"(100.001 Zeichen); ein Wert darf höchstens 100.000 Zeichen haben"_s),
        qPrintable(refusal));
}

int main(int argc, char *argv[])
{
    return runOnDesktop<TestGerman>("de_DE.UTF-8", "de", argc, argv);
}

#include "tst_german.moc"
