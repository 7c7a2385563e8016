#include "common/ReplaceRule.h"
#include "export/SheetExports.h"
#include "files/SheetSamples.h"
#include "gui/FileDialogAnswers.h"
#include "print/report/windows/ReportPageView.h"
#include "print/report/windows/ReportStatusWindow.h"
#include "report/LayoutFiles.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Answers "Report Setup" with the given destination.
ModalWatcher::DialogAction setupTo(const QString &radioButton)
{
    return [radioButton](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), u"ReportSetupDialog"_s);
        QCOMPARE(dialog->windowTitle(), u"Report Setup"_s);
        QVERIFY(dialog->findChild<QRadioButton *>(u"PreviewRadioButton"_s)->isChecked());
        dialog->findChild<QRadioButton *>(radioButton)->setChecked(true);
        static_cast<QDialog *>(dialog)->accept();
    };
}

ModalWatcher::DialogAction choose(const QString &name)
{
    return [name](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        QCOMPARE(files->objectName(), u"ReportFileDialog"_s);
        typeFileName(name)(files);
    };
}

// Presses Cancel in the status window and keeps what it said then.
ModalWatcher::DialogAction cancelStatus(QString &status)
{
    return [&status](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), u"ReportStatusWindow"_s);
        QCOMPARE(dialog->windowTitle(), u"Report Status"_s);
        status = dialog->findChild<QLabel *>(u"StatusLabel"_s)->text();
        dialog->findChild<QPushButton *>()->click();
    };
}

// Presses Cancel in the status window as soon as it says `target`, looking each time the running
// report lets events through, and keeps what the window said then.
class StatusCanceller : public QObject
{
public:
    explicit StatusCanceller(QString target) : m_target(std::move(target))
    {
        connect(&m_timer, &QTimer::timeout, this, &StatusCanceller::look);
        m_timer.start(0);
    }
    QString said;

private:
    void look()
    {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || window->objectName() != u"ReportStatusWindow"_s)
            return;
        const QString text = window->findChild<QLabel *>(u"StatusLabel"_s)->text();
        if (text != m_target)
            return;
        said = text;
        m_timer.stop();
        window->findChild<QPushButton *>()->click();
    }

    QString m_target;
    QTimer m_timer;
};

QStringList numbered(int count)
{
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items << u"Skill %1 Level:2"_s.arg(i);
    return items;
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class TestPrintWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void afterSaveElsewherePrintAndSettingsStayWithTheStartFolder();
    void noLayoutInEitherFolderNamesBoth();
    void damagedLayoutShowsTheErrorBox();
    void missingComponentShowsAPlainMessage();
    void setupCancelledPrintsNothing();
    void fileDestinationWritesThePdf();
    void fileTypeChoosesTheExport_data();
    void fileTypeChoosesTheExport();
    void exportNeverReplacesACharacter();
    void clipboardTakesMarkdown();
    void previewShowsThePageAtFullSize();
    void previewPagesThroughEveryPage();
    void cancelInTheStatusWindowLeavesNoFile();
    void cancelInThePreviewsStatusWindowClosesIt_data();
    void cancelInThePreviewsStatusWindowClosesIt();
    void printerWithoutAnyPrinterSaysSo();
    void printerSetupOpensThePrintDialog();

private:
    void trigger(const char *action)
    {
        m_form->control<QAction>(QString::fromLatin1(action))->trigger();
    }
    void saveElsewhere();
    QString inA(const QString &name) const { return QDir(m_a.path()).filePath(name); }

    QTemporaryDir m_a;
    QTemporaryDir m_b;
    std::unique_ptr<TMainForm> m_form;
    QString m_startFolder;
    // The program's own delay before the status window shows.
    int m_showAfter = 0;
};

void TestPrintWindow::init()
{
    QVERIFY(m_a.isValid() && m_b.isValid());
    m_startFolder = QDir::currentPath();
    QFile::remove(inA(u"qmsheet.rav"_s));
    QVERIFY(QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"),
                        inA(u"qmsheet.rav"_s)));
    QDir::setCurrent(m_a.path());
    // A run slowed down by a busy machine would show the status window in a test that does not
    // expect it; only the tests of that window let it show.
    m_showAfter = ReportStatusWindow::setShowAfter(24 * 60 * 60 * 1000);
    m_form = std::make_unique<TMainForm>();
    m_form->show();
}

void TestPrintWindow::cleanup()
{
    ReportStatusWindow::setShowAfter(m_showAfter);
    m_form.reset();
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
    QDir::setCurrent(m_startFolder);
}

void TestPrintWindow::saveElsewhere()
{
    const QString character = QDir(m_b.path()).filePath(u"hero.qmc"_s);
    QFile::remove(character);
    ModalWatcher watcher;
    watcher.onDialog(typeFileName(character));
    trigger("Save1");
    QVERIFY(QFile::exists(character));
    QCOMPARE(QDir::currentPath(), m_b.path());
    QVERIFY(!watcher.unexpected());
}

// The folder a dialog made current has no layout: the start folder's prints, and the settings
// go back into the start folder's file.
void TestPrintWindow::afterSaveElsewherePrintAndSettingsStayWithTheStartFolder()
{
    saveElsewhere();
    ModalWatcher watcher;
    watcher.onDialog(setupTo(u"FileRadioButton"_s));
    watcher.onDialog(choose(inA(u"hero.pdf"_s)));
    trigger("Print1");
    QVERIFY(!watcher.unexpected());
    QCOMPARE(watcher.texts(), QStringList());
    QVERIFY(QFileInfo(inA(u"hero.pdf"_s)).size() > 0);

    m_form->control<QCheckBox>(u"SongsCheckBox"_s)->setChecked(false);
    QVERIFY(m_form->close());
    QFile settings(inA(u"quillmark.ini"_s));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(settings.readAll().contains("Songs=0"));
    QVERIFY(!QFile::exists(QDir(m_b.path()).filePath(u"quillmark.ini"_s)));
}

void TestPrintWindow::noLayoutInEitherFolderNamesBoth()
{
    QVERIFY(QFile::remove(inA(u"qmsheet.rav"_s)));
    saveElsewhere();
    ModalWatcher watcher;
    watcher.onDialog(setupTo(u"PreviewRadioButton"_s));
    trigger("Print1");
    QCOMPARE(watcher.texts(),
             QStringList{u"The following reporting projects do not exist:\r\"%1/qmsheet.rav\"\r"
                         u"\"%2/qmsheet.rav\""_s.arg(m_b.path(), m_a.path())});
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::Critical);
    QVERIFY(!watcher.unexpected());
}

void TestPrintWindow::damagedLayoutShowsTheErrorBox()
{
    QFile::remove(inA(u"qmsheet.rav"_s));
    QVERIFY(writeLayout(inA(u"qmsheet.rav"_s), "<text name=\"cname\">"));
    ModalWatcher watcher;
    watcher.onDialog(setupTo(u"PreviewRadioButton"_s));
    trigger("Print1");
    QCOMPARE(watcher.seen().size(), 1);
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(
        watcher.texts().constFirst(),
        u"The reporting project \"%1\" is damaged in line 5: <text> needs the attribute \"x\"."_s
            .arg(inA(u"qmsheet.rav"_s)));
    QVERIFY(!watcher.unexpected());
}

void TestPrintWindow::missingComponentShowsAPlainMessage()
{
    QFile::remove(inA(u"qmsheet.rav"_s));
    QVERIFY(writeLayout(inA(u"qmsheet.rav"_s), sheetFields({}, "Perception")));
    ModalWatcher watcher;
    watcher.onDialog(setupTo(u"PreviewRadioButton"_s));
    trigger("Print1");
    QCOMPARE(watcher.texts(),
             QStringList{u"The page \"Report1.Page1\" of the report layout has no component "
                         "\"Perception\"; nothing was printed."_s});
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::NoIcon);
    QVERIFY(!watcher.unexpected());
}

void TestPrintWindow::setupCancelledPrintsNothing()
{
    ModalWatcher watcher;
    bool asked = false;
    watcher.onDialog([&asked](QWidget *dialog) {
        asked = dialog->objectName() == u"ReportSetupDialog"_s;
        static_cast<QDialog *>(dialog)->reject();
    });
    trigger("Print1");
    QVERIFY(asked);
    QCOMPARE(watcher.seen().size(), 0);
    QVERIFY(!watcher.unexpected());
}

void TestPrintWindow::fileDestinationWritesThePdf()
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; run scripts/install-deps");
    // The printout does not look at the configuration: a switched-off kind keeps its header.
    m_form->control<QCheckBox>(u"SongsCheckBox"_s)->setChecked(false);
    m_form->sheet().setText(SheetValue::CharacterName, u"Ivo Brandt"_s);
    ModalWatcher watcher;
    watcher.onDialog(setupTo(u"FileRadioButton"_s));
    watcher.onDialog(choose(inA(u"ivo"_s)));
    trigger("Print1");
    QVERIFY(!watcher.unexpected());
    QCOMPARE(watcher.seen().size(), 0);
    const QString text = pdfText(inA(u"ivo.pdf"_s));
    QVERIFY2(text.contains(u"Ivo Brandt"_s), qPrintable(text));
    QVERIFY(text.contains(u"** Songs **"_s));
    QVERIFY(!m_form->findChild<QDialog *>(u"ReportStatusWindow"_s));
    QCOMPARE(m_form->statusBar()->currentMessage(), u"Saved ivo.pdf"_s);
}

void TestPrintWindow::fileTypeChoosesTheExport_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<SheetExports::Format>("format");
    QTest::newRow("Markdown") << 1 << u"Ivo Brandt.md"_s << QByteArray("# Ivo Brandt\n")
                              << SheetExports::Format::Markdown;
    QTest::newRow("plain text") << 2 << u"Ivo Brandt.txt"_s << QByteArray("Ivo Brandt\n====")
                                << SheetExports::Format::Text;
    QTest::newRow("JSON") << 3 << u"Ivo Brandt.json"_s << QByteArray("{\n")
                          << SheetExports::Format::Json;
}

// The exports need no layout; the type chosen in the dialog's filter decides the format and the
// extension of the name offered and written.
void TestPrintWindow::fileTypeChoosesTheExport()
{
    QFETCH(int, type);
    QFETCH(QString, offered);
    QFETCH(QByteArray, start);
    QFETCH(SheetExports::Format, format);
    QVERIFY(QFile::remove(inA(u"qmsheet.rav"_s)));
    m_form->sheet().setText(SheetValue::CharacterName, u"Ivo Brandt"_s);
    ModalWatcher watcher;
    QString shown;
    watcher.onDialog(setupTo(u"FileRadioButton"_s));
    watcher.onDialog([&](QWidget *dialog) {
        auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
        QVERIFY(types);
        for (int i = 0; i < type; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        shown = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->text();
        static_cast<QDialog *>(dialog)->accept();
    });
    trigger("Print1");
    QVERIFY(!watcher.unexpected());
    QCOMPARE(watcher.texts(), QStringList());
    QCOMPARE(shown, offered);
    QFile file(inA(offered));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.startsWith(start), bytes.left(200).constData());
    QVERIFY(OutsideFile::recognises(SheetExports::earlierExport(format), bytes));
    QCOMPARE(m_form->statusBar()->currentMessage(), u"Saved "_s + offered);
}

void TestPrintWindow::exportNeverReplacesACharacter()
{
    const QByteArray character = readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc"));
    QVERIFY(writeFile(inA(u"notes.md"_s), character));
    ModalWatcher watcher;
    watcher.onDialog(setupTo(u"FileRadioButton"_s));
    watcher.onDialog([&](QWidget *dialog) {
        auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
        QTest::keyClick(types, Qt::Key_Down);
        typeFileName(inA(u"notes.md"_s))(dialog);
    });
    watcher.answer(QMessageBox::Yes);
    watcher.answer(QMessageBox::Ok);
    trigger("Print1");
    QVERIFY(!watcher.unexpected());
    QCOMPARE(watcher.texts(),
             (QStringList{
                 u"notes.md already exists.\nDo you want to replace it?"_s,
                 u"The export cannot be written to \"%1\": it is a character file, "
                 u"which only Save replaces; it was left as it is."_s.arg(inA(u"notes.md"_s))}));
    QCOMPARE(readFile(inA(u"notes.md"_s)), character);
}

void TestPrintWindow::clipboardTakesMarkdown()
{
    QVERIFY(QFile::remove(inA(u"qmsheet.rav"_s)));
    m_form->sheet().setText(SheetValue::CharacterName, u"*Ivo*"_s);
    QGuiApplication::clipboard()->clear();
    ModalWatcher watcher;
    watcher.onDialog(setupTo(u"ClipboardRadioButton"_s));
    trigger("Print1");
    QVERIFY(!watcher.unexpected());
    QCOMPARE(watcher.texts(), QStringList());
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.startsWith(u"# \\*Ivo\\*\n"_s));
    // Pasted below the player's notes, it must not make them an export a batch replaces.
    QVERIFY2(!copied.contains(u"Quillmark character export"_s), qPrintable(copied));
    QCOMPARE(m_form->statusBar()->currentMessage(),
             u"The character was copied to the clipboard as Markdown."_s);
}

void TestPrintWindow::previewShowsThePageAtFullSize()
{
    ModalWatcher watcher;
    int pages = 0;
    QSizeF shown;
    QString title;
    watcher.onDialog(setupTo(u"PreviewRadioButton"_s));
    watcher.onDialog([&](QWidget *dialog) {
        title = dialog->windowTitle();
        auto *view = dialog->findChild<ReportPageView *>(u"PreviewWidget"_s);
        QVERIFY(view);
        pages = view->pageCount();
        shown = view->shownPage().deviceIndependentSize();
        QVERIFY(dialog->findChild<QPushButton *>(u"PreviewPrintButton"_s));
        static_cast<QDialog *>(dialog)->reject();
    });
    trigger("Print1");
    QVERIFY(!watcher.unexpected());
    QCOMPARE(title, u"Report Preview"_s);
    QCOMPARE(pages, 1);
    // A4 at the 96 dots per inch of the offscreen screen.
    QCOMPARE(shown, QSizeF(794, 1123));
}

// Each page is drawn when it is turned to; turning back draws the same page again.
void TestPrintWindow::previewPagesThroughEveryPage()
{
    m_form->sheet().setItems(SheetList::Skills, numbered(150));
    ModalWatcher watcher;
    QStringList where;
    QList<QImage> shown;
    int pages = 0;
    watcher.onDialog(setupTo(u"PreviewRadioButton"_s));
    watcher.onDialog([&](QWidget *dialog) {
        auto *view = dialog->findChild<ReportPageView *>(u"PreviewWidget"_s);
        auto *previous = dialog->findChild<QPushButton *>(u"PreviousPageButton"_s);
        auto *next = dialog->findChild<QPushButton *>(u"NextPageButton"_s);
        auto *label = dialog->findChild<QLabel *>(u"PageLabel"_s);
        QVERIFY(view && previous && next && label);
        pages = view->pageCount();
        for (QPushButton *button : {next, next, next, previous, previous, previous}) {
            where << label->text();
            shown << view->shownPage().toImage();
            button->click();
        }
        where << label->text();
        shown << view->shownPage().toImage();
        QVERIFY(!previous->isEnabled());
        static_cast<QDialog *>(dialog)->reject();
    });
    trigger("Print1");
    QVERIFY(!watcher.unexpected());
    QCOMPARE(pages, 5);
    QCOMPARE(where,
             (QStringList{u"Page 1 of 5"_s, u"Page 2 of 5"_s, u"Page 3 of 5"_s, u"Page 4 of 5"_s,
                          u"Page 3 of 5"_s, u"Page 2 of 5"_s, u"Page 1 of 5"_s}));
    QVERIFY(shown.at(0) != shown.at(1) && shown.at(1) != shown.at(2) && shown.at(2) != shown.at(3));
    QCOMPARE(shown.at(6), shown.at(0));
    QCOMPARE(shown.at(4), shown.at(2));
}

// A long run shows "Report Status"; its Cancel stops the run and no PDF file is left.
void TestPrintWindow::cancelInTheStatusWindowLeavesNoFile()
{
    ReportStatusWindow::setShowAfter(m_showAfter);
    m_form->sheet().setItems(SheetList::Skills, numbered(20000));
    ModalWatcher watcher;
    QString status;
    watcher.onDialog(setupTo(u"FileRadioButton"_s));
    watcher.onDialog(choose(inA(u"long.pdf"_s)));
    watcher.onDialog(cancelStatus(status));
    trigger("Print1");
    QVERIFY(!watcher.unexpected());
    QVERIFY2(status.startsWith(u"Generating page "_s) || status.startsWith(u"Printing page "_s),
             qPrintable(status));
    QVERIFY(!QFile::exists(inA(u"long.pdf"_s)));
    QCOMPARE(QDir(m_a.path()).entryList({u"long*"_s}), QStringList());
}

void TestPrintWindow::cancelInThePreviewsStatusWindowClosesIt_data()
{
    QTest::addColumn<QString>("target");
    // The preview draws a page only when it is shown, so its run only lays the pages out.
    for (int page : {1, 5, 12})
        QTest::addRow("page %d", page) << u"Generating page %1"_s.arg(page);
}

// Cancel while the preview's pages are laid out, at the first page, a later one and the last,
// opens no preview, and the program goes on. The window shows from the first page.
void TestPrintWindow::cancelInThePreviewsStatusWindowClosesIt()
{
    QFETCH(QString, target);
    m_form->sheet().setItems(SheetList::Skills, numbered(500));
    ReportStatusWindow::setShowAfter(0);
    ModalWatcher watcher;
    watcher.onDialog(setupTo(u"PreviewRadioButton"_s));
    watcher.leave(u"ReportStatusWindow"_s);
    StatusCanceller canceller(target);
    trigger("Print1");
    QCOMPARE(canceller.said, target);
    QVERIFY(!watcher.unexpected());
    QCOMPARE(watcher.seen().size(), 0);
    QTRY_VERIFY(!m_form->findChild<QDialog *>(u"ReportPreviewDialog"_s));
    QVERIFY(!m_form->findChild<QDialog *>(u"ReportStatusWindow"_s));
    QVERIFY(m_form->isVisible());
}

void TestPrintWindow::printerWithoutAnyPrinterSaysSo()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("this machine has a printer");
    ModalWatcher watcher;
    watcher.onDialog(setupTo(u"PrinterRadioButton"_s));
    trigger("Print1");
    QCOMPARE(watcher.texts(),
             QStringList{u"There is no printer to print on; choose one under \"Printer setup\" or "
                         "send the report to a PDF file."_s});
    QVERIFY(!watcher.unexpected());
}

void TestPrintWindow::printerSetupOpensThePrintDialog()
{
    ModalWatcher watcher;
    QString opened;
    watcher.onDialog([&opened](QWidget *setup) {
        // The watcher does not look again while this runs, so a timer of its own closes the
        // printer's dialog.
        QTimer::singleShot(0, setup, [&opened] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            opened = dialog ? dialog->objectName() : QString();
            if (dialog)
                dialog->reject();
        });
        setup->findChild<QPushButton *>(u"PrinterSetupButton"_s)->click();
        static_cast<QDialog *>(setup)->reject();
    });
    trigger("Print1");
    QCOMPARE(opened, u"ReportPrintDialog"_s);
    QVERIFY(!watcher.unexpected());
    QCOMPARE(watcher.seen().size(), 0);
}

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
