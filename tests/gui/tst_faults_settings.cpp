// The settings file when it cannot be written: at start and at close the error box names the
// file, the window keeps running, and a settings file already there keeps its content. Closing
// stays refused while the cause lasts; File > Exit still leaves. A settings file that is no
// regular file, or far too large, is ignored with one message and left alone.
#include "fault/PipesAndDevices.h"
#include "fault/Watchdog.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

const QString rootSettings = u"/quillmark.ini"_s;

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestFaultsSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startInAFolderThatWasRemoved();
    void closeAfterTheCurrentFolderWasRemoved();
    void closeOnAFullDiskKeepsTheOldFile();
    void settingsFileThatIsRefusedAtStart_data();
    void settingsFileThatIsRefusedAtStart();
    void refusedSettingsAreToldOverTheShownWindow_data();
    void refusedSettingsAreToldOverTheShownWindow();

private:
    // Runs File > Exit from inside the event loop and returns the loop's exit code.
    int exitThroughTheMenu();

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestFaultsSettings::initTestCase()
{
    // A settings file written into the root folder would be the fault these tests look for.
    if (QFile::exists(rootSettings))
        QSKIP("a settings file stands in the root folder already");
}

void TestFaultsSettings::init()
{
    QVERIFY(m_folder.enter());
    QVERIFY(QDir(m_folder.path()).mkdir(u"work"_s));
    QVERIFY(QDir::setCurrent(m_folder.filePath(u"work"_s)));
}

void TestFaultsSettings::cleanup()
{
    m_form.reset();
    m_folder.leave();
    if (QFile::exists(rootSettings)) {
        QFile::remove(rootSettings);
        QFAIL("the settings were written into the root folder");
    }
}

int TestFaultsSettings::exitThroughTheMenu()
{
    QTimer::singleShot(0, m_form.get(),
                       [this] { m_form->control<QAction>(u"Exit1"_s)->trigger(); });
    return QCoreApplication::exec();
}

void TestFaultsSettings::startInAFolderThatWasRemoved()
{
    QVERIFY(QDir(m_folder.path()).rmdir(u"work"_s));
    // The name Linux gives the removed folder, taken by another folder.
    QVERIFY(QDir(m_folder.path()).mkdir(u"work (deleted)"_s));
    ModalWatcher watcher;
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    QTRY_COMPARE(watcher.seen().size(), 1);
    const ModalWatcher::Box box = watcher.seen().constFirst();
    QVERIFY2(box.text.startsWith(u"Unable to write to "_s), qPrintable(box.text));
    QVERIFY2(box.text.endsWith(u"quillmark.ini."_s), qPrintable(box.text));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY(m_form->isVisible());
    QVERIFY(m_form->control<QCheckBox>(u"AngelCheckBox"_s)->isChecked());
    QVERIFY(m_form->control<QCheckBox>(u"DistinctionsCheckBox"_s)->isChecked());
    QVERIFY(!QFile::exists(rootSettings));

    // A folder made current later, as a file dialog would, does not receive the settings.
    QVERIFY(QDir::setCurrent(m_folder.path()));
    QVERIFY(!m_form->close());
    QCOMPARE(watcher.seen().size(), 2);
    QVERIFY(watcher.seen().constLast().text.startsWith(u"Unable to write to "_s));
    QVERIFY(!QFile::exists(m_folder.filePath(u"quillmark.ini"_s)));
    QCOMPARE(QDir(m_folder.filePath(u"work (deleted)"_s))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(exitThroughTheMenu(), 0);
}

void TestFaultsSettings::closeAfterTheCurrentFolderWasRemoved()
{
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    QVERIFY(QFile::exists(m_folder.filePath(u"work/quillmark.ini"_s)));
    QVERIFY(QDir(m_folder.filePath(u"work"_s)).removeRecursively());

    ModalWatcher watcher;
    QVERIFY(!m_form->close());
    QVERIFY(m_form->isVisible());
    QVERIFY(!m_form->close());
    QCOMPARE(watcher.seen().size(), 2);
    for (const ModalWatcher::Box &box : watcher.seen()) {
        QVERIFY2(box.text.startsWith(u"Unable to write to "_s), qPrintable(box.text));
        QCOMPARE(box.icon, QMessageBox::Critical);
    }
    QVERIFY(!watcher.unexpected());
    QVERIFY(!QFile::exists(rootSettings));
    QCOMPARE(exitThroughTheMenu(), 0);
}

void TestFaultsSettings::closeOnAFullDiskKeepsTheOldFile()
{
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    const QString path = QDir::current().filePath(u"quillmark.ini"_s);
    const QByteArray before = contentOf(path);
    QVERIFY(before.size() > 20);
    m_form->control<QCheckBox>(u"SongsCheckBox"_s)->click();

    // A file-size limit makes the write fail half way for root too, as a full disk would.
    ModalWatcher watcher;
    bool closed = true;
    {
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit small{10, saved.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        closed = m_form->close();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldSignal);
    }
    QVERIFY(!closed);
    QVERIFY(m_form->isVisible());
    QCOMPARE(watcher.texts(), QStringList{u"Unable to write to %1."_s.arg(path)});
    QCOMPARE(contentOf(path), before);
    QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden),
             QStringList{u"quillmark.ini"_s});

    // With room again the close stores the changed box.
    QVERIFY(m_form->close());
    QVERIFY(contentOf(path).contains("Songs=0"));
}

void TestFaultsSettings::settingsFileThatIsRefusedAtStart_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    QTest::newRow("pipe") << u"fifo"_s << u"it is a named pipe, not a regular file"_s;
    QTest::newRow("/dev/zero") << u"link to /dev/zero"_s << u"it is a device, not a regular file"_s;
    QTest::newRow("100 MB") << u"sparse 104857600"_s
                            << u"it is too large: 100.0 MB, where a settings file may have at "
                               u"most 1 MB"_s;
}

// The window appears with every box on, says once that the file was ignored, and closes
// without touching the file, even after a box was changed.
void TestFaultsSettings::settingsFileThatIsRefusedAtStart()
{
    QFETCH(QString, kind);
    QFETCH(QString, why);
    const QString path = QDir::current().filePath(u"quillmark.ini"_s);
    QCOMPARE(makeSpecialFile(path, kind), -1);
    const QFileInfo before(path);
    ModalWatcher watcher;
    bool closed = false;
    {
        Watchdog watchdog(QTest::currentDataTag());
        m_form = std::make_unique<TMainForm>();
        m_form->show();
        QTRY_COMPARE(watcher.seen().size(), 1);
        QVERIFY(m_form->isVisible());
        for (const QCheckBox *box : m_form->findChildren<QCheckBox *>())
            QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
        m_form->control<QCheckBox>(u"SongsCheckBox"_s)->click();
        closed = m_form->close();
    }
    const ModalWatcher::Box box = watcher.seen().constFirst();
    QCOMPARE(box.text, u"The settings file %1 was ignored: %2. Every character type and resource "
                       u"kind is offered, and closing the window leaves that file as it is."_s.arg(
                           path, why));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QVERIFY(!watcher.unexpected());
    QVERIFY(closed);
    QCOMPARE(watcher.seen().size(), 1);
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    QCOMPARE(after.size(), before.size());
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                       QDir::NoDotAndDotDot),
             QStringList{u"quillmark.ini"_s});
}

void TestFaultsSettings::refusedSettingsAreToldOverTheShownWindow_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("a named pipe, refused") << false;
    QTest::newRow("a folder, not writable") << true;
}

// The message waits for the event loop, so it shows over the window rather than before it.
void TestFaultsSettings::refusedSettingsAreToldOverTheShownWindow()
{
    QFETCH(bool, folder);
    const QString path = QDir::current().filePath(u"quillmark.ini"_s);
    if (folder)
        QVERIFY(QDir().mkdir(path));
    else
        QCOMPARE(makeSpecialFile(path, u"fifo"_s), -1);
    ModalWatcher watcher;
    QPointer<QWidget> boxParent;
    QTimer spy;
    connect(&spy, &QTimer::timeout, [&boxParent] {
        if (QWidget *modal = QApplication::activeModalWidget())
            boxParent = modal->parentWidget();
    });
    spy.start(1);
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    QVERIFY(watcher.seen().isEmpty());
    QTRY_COMPARE(watcher.seen().size(), 1);
    QCOMPARE(boxParent.data(), m_form.get());
    QVERIFY(!watcher.unexpected());
}

QTEST_MAIN(TestFaultsSettings)
#include "tst_faults_settings.moc"
