// File > Print into a PDF file when the file cannot be written: the error box names the file,
// the window keeps running, and a PDF already at that name keeps its content. The faults are
// ones that stop root too.
#include "files/SheetSamples.h"
#include "gui/FileDialogAnswers.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The file dialog asks before it replaces a file, from inside its accept(), where the watcher
// that is running the dialog's answer cannot see the question. This answers it with Yes.
void replaceWhenAsked()
{
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QVERIFY2(box->text().contains(u"already exists"_s), qPrintable(box->text()));
        box->button(QMessageBox::Yes)->click();
    });
}

bool refusesEveryone(const QString &folder)
{
    const QByteArray probe = QFile::encodeName(folder + u"/quillmark-probe"_s);
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.constData());
        return false;
    }
    return errno == EACCES;
}

} // namespace

class TestFaultsPdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void unwritablePdfShowsTheError_data();
    void unwritablePdfShowsTheError();
    void pdfThatRunsOutOfSpaceKeepsTheOldFile();
    void printAfterTheCurrentFolderWasRemoved();

private:
    QString path(const QString &name) const { return QDir(m_folder.path()).filePath(name); }
    QStringList entries() const
    {
        return QDir(m_folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // Prints into `name` and returns the boxes shown.
    QList<ModalWatcher::Box> printTo(const QString &name, const std::function<void()> &meanwhile);

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestFaultsPdf::init()
{
    QVERIFY(m_folder.enter());
    QVERIFY(QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"),
                        path(u"qmsheet.rav"_s)));
    QVERIFY(QDir(m_folder.path()).mkdir(u"folder"_s));
    QVERIFY(writeFile(path(u"old.pdf"_s), "%PDF-1.4 old\n%%EOF\n"));
    QDir::setCurrent(m_folder.path());
    m_form = std::make_unique<TMainForm>();
    m_form->show();
}

void TestFaultsPdf::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

QList<ModalWatcher::Box> TestFaultsPdf::printTo(const QString &name,
                                                const std::function<void()> &meanwhile)
{
    ModalWatcher watcher;
    watcher.onDialog(sendReportToFile);
    watcher.onDialog(typeFileName(name, meanwhile));
    m_form->control<QAction>(u"Print1"_s)->trigger();
    [&] { QVERIFY(!watcher.unexpected()); }();
    return watcher.seen();
}

void TestFaultsPdf::unwritablePdfShowsTheError_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removeFolderFirst");
    QTest::newRow("a folder that vanished while the dialog was open")
        << u"folder/sheet.pdf"_s << true;
    QTest::newRow("a file taken for a folder") << u"old.pdf/sheet.pdf"_s << false;
    QTest::newRow("a folder where even root may not write") << u"/sys/sheet.pdf"_s << false;
}

void TestFaultsPdf::unwritablePdfShowsTheError()
{
    QFETCH(QString, name);
    QFETCH(bool, removeFolderFirst);
    name = QDir(m_folder.path()).absoluteFilePath(name);
    if (name.startsWith(u"/sys/"_s) && !refusesEveryone(u"/sys"_s))
        QSKIP("/sys does not refuse new files with EACCES here");
    QStringList before = entries();
    if (removeFolderFirst)
        before.removeOne(u"folder"_s);

    const QList<ModalWatcher::Box> boxes = printTo(name, [this, removeFolderFirst] {
        if (removeFolderFirst)
            QVERIFY(QDir(path(u"folder"_s)).removeRecursively());
    });
    QCOMPARE(boxes.size(), 1);
    const QString start = u"The report cannot be written to the file \"%1\": "_s.arg(name);
    QVERIFY2(boxes.constFirst().text.startsWith(start), qPrintable(boxes.constFirst().text));
    QCOMPARE(boxes.constFirst().icon, QMessageBox::Critical);
    QVERIFY(m_form->isVisible());
    QCOMPARE(readFile(path(u"old.pdf"_s)), QByteArray("%PDF-1.4 old\n%%EOF\n"));
    QCOMPARE(entries(), before);

    // The window goes on working: the next print into a good name writes the file.
    QVERIFY(printTo(path(u"good.pdf"_s), {}).isEmpty());
    QVERIFY(readFile(path(u"good.pdf"_s)).startsWith("%PDF-"));
}

void TestFaultsPdf::pdfThatRunsOutOfSpaceKeepsTheOldFile()
{
    // A file-size limit stops the write half way for root too, as a full disk would.
    const QStringList before = entries();
    QList<ModalWatcher::Box> boxes;
    {
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit small{500, saved.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        boxes = printTo(path(u"old.pdf"_s), replaceWhenAsked);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldSignal);
    }
    QCOMPARE(boxes.size(), 1);
    const QString start =
        u"The report could not be finished on the file \"%1\": "_s.arg(path(u"old.pdf"_s));
    QVERIFY2(boxes.constFirst().text.startsWith(start), qPrintable(boxes.constFirst().text));
    QCOMPARE(boxes.constFirst().icon, QMessageBox::Critical);
    QVERIFY(m_form->isVisible());
    QCOMPARE(readFile(path(u"old.pdf"_s)), QByteArray("%PDF-1.4 old\n%%EOF\n"));
    QCOMPARE(entries(), before);
}

void TestFaultsPdf::printAfterTheCurrentFolderWasRemoved()
{
    // The layout is looked up in the current folder, never in the root folder instead.
    QVERIFY(QDir(m_folder.path()).removeRecursively());
    ModalWatcher watcher;
    watcher.onDialog(sendReportTo(QStringLiteral("PreviewRadioButton")));
    m_form->control<QAction>(u"Print1"_s)->trigger();
    QVERIFY(!watcher.unexpected());
    QCOMPARE(watcher.seen().size(), 1);
    const QString text = watcher.seen().constFirst().text;
    QVERIFY2(text.contains(u"qmsheet.rav"_s), qPrintable(text));
    QVERIFY2(!text.contains(u"\"/qmsheet.rav"_s), qPrintable(text));
    QVERIFY(m_form->isVisible());
}

QTEST_MAIN(TestFaultsPdf)
#include "tst_faults_pdf.moc"
