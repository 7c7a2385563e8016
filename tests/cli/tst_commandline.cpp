// The command line: which forms start the window and which end at once, and a character file
// named on it opened into the real window as File > Open would.

#include "cli/CommandLine.h"
#include "files/SheetSamples.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void forms_data();
    void forms();
    void pdfForms_data();
    void pdfForms();
    void helpNamesTheProgramAndItsArgument();
    void answerThatCannotBeWrittenFails_data();
    void answerThatCannotBeWrittenFails();

    void namedFileIsShownAndOfferedByBothDialogs_data();
    void namedFileIsShownAndOfferedByBothDialogs();
    void missingFileLeavesTheFreshSheetWithTheError();

private:
    CharacterFile shown() const { return CharacterFile::fromSheet(m_form->sheet()); }
    QString elsewhere(const QString &name) const { return QDir(m_other.path()).filePath(name); }

    TemporaryCurrentFolder m_folder;
    QTemporaryDir m_other;
    std::unique_ptr<TMainForm> m_form;
};

void TestCommandLine::init()
{
    QVERIFY(m_folder.enter());
    QVERIFY(m_other.isValid());
}

void TestCommandLine::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

void TestCommandLine::forms_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status"); // -1: the window starts
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");
    const QString prog = u"/usr/libexec/quillmark/quillmark"_s;
    QTest::newRow("none") << QStringList{prog} << -1 << QString() << QString();
    QTest::newRow("one file") << QStringList{prog, u"hero.qmc"_s} << -1 << u"hero.qmc"_s
                              << QString();
    QTest::newRow("a file that looks like an option, after --")
        << QStringList{prog, u"--"_s, u"-hero.qmc"_s} << -1 << u"-hero.qmc"_s << QString();
    QTest::newRow("two files")
        << QStringList{prog, u"a.qmc"_s, u"b.qmc"_s} << 2 << QString()
        << u"quillmark: only one character file can be opened at a time, but 2 were given.\n"
           u"Try 'quillmark --help' for more information.\n"_s;
    QTest::newRow("unknown option")
        << QStringList{prog, u"--print"_s, u"a.qmc"_s} << 2 << QString()
        << u"quillmark: Unknown option 'print'.\nTry 'quillmark --help' for more information.\n"_s;
    QTest::newRow("one of Qt's options, with one dash")
        << QStringList{prog, u"-stylesheet"_s, u"/dev/zero"_s} << 2 << QString()
        << u"quillmark: Unknown option 'stylesheet'.\n"
           u"Try 'quillmark --help' for more information.\n"_s;
    QTest::newRow("empty name") << QStringList{prog, QString()} << 2 << QString()
                                << u"quillmark: the file name is empty.\n"
                                   u"Try 'quillmark --help' for more information.\n"_s;
    QTest::newRow("a layout for the window")
        << QStringList{prog, u"--layout"_s, u"mine.rav"_s, u"a.qmc"_s} << 2 << QString()
        << u"quillmark: --layout is used only with --pdf; the window prints with qmsheet.rav.\n"
           u"Try 'quillmark --help' for more information.\n"_s;
    QTest::newRow("standard output for two files")
        << QStringList{prog, u"--json"_s, u"-"_s, u"a.qmc"_s, u"b.qmc"_s} << 2 << QString()
        << u"quillmark: standard output (-) takes one character file, but 2 were given.\n"
           u"Try 'quillmark --help' for more information.\n"_s;
    QTest::newRow("two output options")
        << QStringList{prog, u"--markdown"_s, u"a.md"_s, u"--pdf"_s, u"a.pdf"_s, u"a.qmc"_s} << 2
        << QString()
        << u"quillmark: only one of --pdf, --json, --markdown and --text can be given.\n"
           u"Try 'quillmark --help' for more information.\n"_s;
    QTest::newRow("a layout for an export")
        << QStringList{prog, u"--text"_s, u"a.txt"_s, u"--layout"_s, u"x.rav"_s, u"a.qmc"_s} << 2
        << QString()
        << u"quillmark: --layout is used only with --pdf.\n"
           u"Try 'quillmark --help' for more information.\n"_s;
}

// With --pdf, in the test's current folder, which holds the folder "out" and the file "one.pdf".
void TestCommandLine::pdfForms_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason"); // empty: the PDFs are written
    QTest::addColumn<bool>("intoFolder");
    const QString prog = u"quillmark"_s;
    QTest::newRow("one file into one PDF, a layout named")
        << QStringList{prog, u"-pdf"_s, u"one.pdf"_s, u"--layout=mine.rav"_s, u"a.qmc"_s}
        << QString() << false;
    QTest::newRow("one file into a folder")
        << QStringList{prog, u"--pdf"_s, u"out"_s, u"a.qmc"_s} << QString() << true;
    QTest::newRow("files after --")
        << QStringList{prog, u"--pdf"_s, u"out/"_s, u"--"_s, u"-a.qmc"_s, u"--pdf"_s} << QString()
        << true;
    QTest::newRow("no file") << QStringList{prog, u"--pdf"_s, u"out"_s}
                             << u"--pdf needs at least one character file to print."_s << false;
    QTest::newRow("OUT missing") << QStringList{prog, u"--pdf"_s}
                                 << u"Missing value after '--pdf'."_s << false;
    QTest::newRow("two files, OUT a file")
        << QStringList{prog, u"--pdf"_s, u"one.pdf"_s, u"a.qmc"_s, u"b.qmc"_s}
        << u"2 character files need a folder to go into, but one.pdf is not a folder."_s << false;
    QTest::newRow("OUT a folder that is not there")
        << QStringList{prog, u"--pdf"_s, u"gone/"_s, u"a.qmc"_s} << u"there is no folder gone/."_s
        << false;
}

void TestCommandLine::pdfForms()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QFETCH(bool, intoFolder);
    QVERIFY(QDir().mkdir(u"out"_s));
    QVERIFY(writeFile(u"one.pdf"_s, "%PDF old\n"));
    const CommandLine::Request request = CommandLine::parse(arguments);
    if (!reason.isEmpty()) {
        QCOMPARE(request.exitStatus, CommandLine::UsageStatus);
        QCOMPARE(request.error,
                 u"quillmark: %1\nTry 'quillmark --help' for more information.\n"_s.arg(reason));
        return;
    }
    QVERIFY(!request.exitStatus);
    QCOMPARE(request.pdfIntoFolder, intoFolder);
    QVERIFY(!request.pdf.isEmpty());
    QVERIFY(request.files.constFirst().endsWith(u"a.qmc"_s));
}

void TestCommandLine::forms()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, file);
    QFETCH(QString, error);
    const CommandLine::Request request = CommandLine::parse(arguments);
    QCOMPARE(request.exitStatus.value_or(-1), status);
    QCOMPARE(request.files.value(0), file);
    QVERIFY(request.files.size() <= 1);
    QVERIFY(request.pdf.isEmpty());
    QCOMPARE(request.error, error);
    QVERIFY(request.output.isEmpty());
}

void TestCommandLine::helpNamesTheProgramAndItsArgument()
{
    const CommandLine::Request request =
        CommandLine::parse({u"/usr/libexec/quillmark/quillmark"_s, u"hero.qmc"_s, u"--help"_s});
    QCOMPARE(request.exitStatus, 0);
    QVERIFY(request.error.isEmpty());
    const QStringList lines = request.output.split(u'\n');
    QCOMPARE(lines.value(0), u"Usage: quillmark [options] [FILE]"_s);
    QCOMPARE(lines.value(1), u"       quillmark --pdf OUT [--layout FILE.rav] FILE..."_s);
    QCOMPARE(lines.value(2), u"       quillmark --json|--markdown|--text OUT FILE..."_s);
    QVERIFY(lines.contains(u"  -v, --version        Show the version and leave."_s));
    QVERIFY(lines.contains(
        u"  --pdf <OUT>          Print the sheet of FILE into OUT, a PDF file, or of each"_s));
    QVERIFY(
        lines.contains(u"  --layout <FILE.rav>  With --pdf: print with this layout instead of"_s));
}

void TestCommandLine::answerThatCannotBeWrittenFails_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("--help") << u"--help"_s;
    QTest::newRow("--version") << u"--version"_s;
}

void TestCommandLine::answerThatCannotBeWrittenFails()
{
    QFETCH(QString, option);
    const CommandLine::Request request = CommandLine::parse({u"quillmark"_s, option});
    QCOMPARE(request.exitStatus, 0);
    // As `quillmark --help > /dev/full` runs it, in a child so that this program's output stays.
    const pid_t child = ::fork();
    if (child == 0) {
        const int full = ::open("/dev/full", O_WRONLY);
        const int null = ::open("/dev/null", O_WRONLY);
        if (full < 0 || null < 0 || ::dup2(full, 1) < 0 || ::dup2(null, 2) < 0)
            ::_exit(99);
        ::_exit(CommandLine::print(request));
    }
    int status = 0;
    QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 1);
}

void TestCommandLine::namedFileIsShownAndOfferedByBothDialogs_data()
{
    QTest::addColumn<bool>("relative");
    QTest::newRow("absolute name") << false;
    QTest::newRow("name relative to the current folder") << true;
}

void TestCommandLine::namedFileIsShownAndOfferedByBothDialogs()
{
    QFETCH(bool, relative);
    const QString folder = relative ? m_folder.path() : m_other.path();
    const QString path = QDir(folder).filePath(u"hero.qmc"_s);
    QVERIFY(writeFile(path, readFile(QStringLiteral(QUILLMARK_TEST_DATA "/files/full.qmc"))));
    const QString current = QDir::currentPath();
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    ModalWatcher watcher;
    m_form->openCharacterFile(relative ? u"hero.qmc"_s : path);
    QVERIFY(watcher.texts().isEmpty());
    QCOMPARE(shown(), fullCharacter());
    QCOMPARE(QDir::currentPath(), current);

    QStringList offered;
    const auto record = [&offered](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        offered << files->objectName() + u' ' + files->directory().absolutePath() + u' ' +
                       files->selectedFiles().value(0);
        files->reject();
    };
    watcher.onDialog(record);
    m_form->control<QAction>(u"Open1"_s)->trigger();
    watcher.onDialog(record);
    m_form->control<QAction>(u"Save1"_s)->trigger();
    QCOMPARE(offered, (QStringList{u"OpenChar "_s + folder + u' ' + path,
                                   u"SaveChar "_s + folder + u' ' + path}));
    QVERIFY(!watcher.unexpected());
}

void TestCommandLine::missingFileLeavesTheFreshSheetWithTheError()
{
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    ModalWatcher watcher;
    m_form->openCharacterFile(elsewhere(u"missing.qmc"_s));
    QCOMPARE(watcher.texts(), QStringList{u"File not found."_s});
    QCOMPARE(watcher.seen().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(shown(), CharacterFile::fromSheet(CharacterSheet()));
    QVERIFY(m_form->isVisible());
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
