// File > Save when the write fails: the error box names the failure, the window keeps running
// with the sheet as it was, and a character file already at that name keeps its old content.
// The faults are ones that stop root too, since the tests may run as root.
#include "files/CharacterFile.h"
#include "files/SheetSamples.h"
#include "gui/FileDialogAnswers.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"
#include "support/ErrorOf.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Whether creating a file in the folder is refused with "permission denied" even for root.
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

// Lowers the largest file this process may write for as long as it lives; a write past it
// fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        m_set = ::getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        const rlimit lowered{bytes, m_saved.rlim_max};
        m_set = m_set && ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }
    bool isSet() const { return m_set; }

private:
    rlimit m_saved{};
    void (*m_signal)(int) = nullptr;
    bool m_set = false;
};

} // namespace

class TestFaultsSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void failedSaveShowsTheErrorAndKeepsEverything_data();
    void failedSaveShowsTheErrorAndKeepsEverything();
    void saveThatRunsOutOfSpaceKeepsTheOldFile();
    void saveWhereEvenRootMayNotWrite();

private:
    QString path(const QString &name) const { return QDir(m_folder.path()).filePath(name); }
    QStringList entries() const
    {
        return QDir(m_folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // Runs Save with the dialog action and returns the one box it showed.
    // Save answered by `dialog`; the box that follows it, after a Yes to the question before an
    // existing file is replaced when `replacing`.
    ModalWatcher::Box saveShowingOneBox(const ModalWatcher::DialogAction &dialog,
                                        bool replacing = false);

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestFaultsSave::init()
{
    QVERIFY(m_folder.enter());
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    fillSheet(m_form->sheet(), fullCharacter());
    QVERIFY(writeFile(path(u"old.qmc"_s), "old content\r\n"));
    QVERIFY(QDir(m_folder.path()).mkdir(u"folder"_s));
}

void TestFaultsSave::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

ModalWatcher::Box TestFaultsSave::saveShowingOneBox(const ModalWatcher::DialogAction &dialog,
                                                    bool replacing)
{
    ModalWatcher watcher;
    watcher.onDialog(dialog);
    if (replacing)
        watcher.answer(QMessageBox::Yes);
    m_form->control<QAction>(u"Save1"_s)->trigger();
    [&] {
        QVERIFY(!watcher.unexpected());
        QCOMPARE(watcher.seen().size(), replacing ? 2 : 1);
    }();
    return watcher.seen().value(replacing ? 1 : 0);
}

void TestFaultsSave::failedSaveShowsTheErrorAndKeepsEverything_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removeFolderFirst");
    QTest::addColumn<QString>("message");
    QTest::newRow("a link to a device")
        << u"device.qmc"_s << false << u"it is a device, not a regular file"_s;
    QTest::newRow("a file taken for a folder")
        << u"old.qmc/hero.qmc"_s << false << u"Invalid filename"_s;
    QTest::newRow("a folder that vanished while the dialog was open")
        << u"folder/hero.qmc"_s << true << u"Invalid filename"_s;
}

void TestFaultsSave::failedSaveShowsTheErrorAndKeepsEverything()
{
    QFETCH(QString, name);
    QFETCH(bool, removeFolderFirst);
    QFETCH(QString, message);
    const QString target = name.startsWith(u'/') ? name : path(name);
    const auto vanish = [this, removeFolderFirst] {
        if (removeFolderFirst)
            QVERIFY(QDir(path(u"folder"_s)).removeRecursively());
    };
    QVERIFY(QFile::link(u"/dev/full"_s, path(u"device.qmc"_s)));
    QStringList before = entries();
    if (removeFolderFirst)
        before.removeOne(u"folder"_s);

    const bool replacing = QFileInfo(target).isSymLink();
    const ModalWatcher::Box box = saveShowingOneBox(typeFileName(target, vanish), replacing);
    QCOMPARE(box.text, notSaved(target, message));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY(m_form->isVisible());
    QCOMPARE(CharacterFile::fromSheet(m_form->sheet()), fullCharacter());
    QCOMPARE(readFile(path(u"old.qmc"_s)), QByteArray("old content\r\n"));
    QCOMPARE(entries(), before); // no temporary file left behind

    // The window goes on working: the next Save succeeds.
    const ModalWatcher::Box none = [this] {
        ModalWatcher watcher;
        watcher.onDialog(typeFileName(path(u"after.qmc"_s)));
        m_form->control<QAction>(u"Save1"_s)->trigger();
        return watcher.seen().value(0);
    }();
    QVERIFY2(none.text.isEmpty(), qPrintable(none.text));
    QCOMPARE(readFile(path(u"after.qmc"_s)), CharacterFileFormat::encode(fullCharacter()));
}

void TestFaultsSave::saveThatRunsOutOfSpaceKeepsTheOldFile()
{
    // A file-size limit stops the write half way for root too, as a full disk would. The new
    // content is longer than the limit, the old one shorter.
    const QByteArray content = CharacterFileFormat::encode(fullCharacter());
    QVERIFY(content.size() > 200);
    const QStringList before = entries();
    ModalWatcher::Box box;
    {
        const FileSizeLimit limit(100);
        QVERIFY(limit.isSet());
        box = saveShowingOneBox(typeFileName(path(u"old.qmc"_s)), true);
    }
    QCOMPARE(box.text, notSaved(path(u"old.qmc"_s), u"Disk full"_s));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(readFile(path(u"old.qmc"_s)), QByteArray("old content\r\n"));
    QCOMPARE(entries(), before);
    QVERIFY(m_form->isVisible());
}

void TestFaultsSave::saveWhereEvenRootMayNotWrite()
{
    // The kernel's own file systems refuse new files to everyone.
    if (!refusesEveryone(u"/sys"_s))
        QSKIP("/sys does not refuse new files with EACCES here");
    const ModalWatcher::Box box = saveShowingOneBox(typeFileName(u"/sys/hero.qmc"_s));
    QCOMPARE(box.text, notSaved(u"/sys/hero.qmc"_s, u"File access denied"_s));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY(m_form->isVisible());
    QCOMPARE(CharacterFile::fromSheet(m_form->sheet()), fullCharacter());
}

QTEST_MAIN(TestFaultsSave)
#include "tst_faults_save.moc"
