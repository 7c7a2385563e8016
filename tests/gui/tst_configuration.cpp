#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QStringList typeKeys = {u"Angel"_s,   u"Demon"_s,  u"Outcast"_s, u"Renegade"_s,
                              u"Soldier"_s, u"Undead"_s, u"Remnant"_s, u"Mundane"_s};
const QStringList resourceKeys = {u"Songs"_s,     u"Skills"_s,   u"Vessels"_s,  u"Roles"_s,
                                  u"Artifacts"_s, u"Servants"_s, u"Discords"_s, u"Distinctions"_s};
const QStringList resourcePages = {u"Songs"_s,    u"Skills"_s,    u"Vessels"_s, u"Roles"_s,
                                   u"Servants"_s, u"Artifacts"_s, u"Discord"_s, u"Distinctions"_s};

// The file as the program creates it, every key on unless named in `off`.
QByteArray settingsText(const QStringList &off = {})
{
    QByteArray text = "[Character Types]\n";
    for (const QString &key : typeKeys)
        text += key.toUtf8() + (off.contains(key) ? "=0\n" : "=1\n");
    text += "\n[Resource Types]\n";
    for (const QString &key : resourceKeys)
        text += key.toUtf8() + (off.contains(key) ? "=0\n" : "=1\n");
    return text;
}

QString boxOf(const QString &key)
{
    return (key == u"Discords"_s ? u"Discord"_s : key) + u"CheckBox"_s;
}

} // namespace

class TestConfiguration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstRunCreatesTheFileWithEveryKeyOn();
    void readsEachKeyByTheSwitchRule();
    void kindReadAsOffShowsAnEmptyPage();
    void offKindAboveAnotherPageStaysEmpty();
    void boxClickHidesAndShowsTheSelectedPageAtOnce();
    void offKindStaysOffThroughCloseAndStart();
    void discordIsStoredUnderDiscords();
    void closeWritesIntoTheStartFolder();
    void exitLeavesTheFileAsItWas();
    void unwritableFileAtStartKeepsEveryBoxOn();
    void unwritableFileAtCloseKeepsTheWindowOpen();

private:
    QString settingsPath() const { return QDir::current().filePath(u"quillmark.ini"_s); }
    void writeSettings(const QByteArray &text) const;
    QByteArray readSettings() const;
    void start();
    bool isOn(const QString &box) const { return m_form->control<QCheckBox>(box)->isChecked(); }
    QFrame *contents(const QString &page) const
    {
        return m_form->control<QFrame>(page + u"TabSheetBevel"_s);
    }
    void selectTab(const QString &caption) const;
    QTabWidget *resources() const { return m_form->control<QTabWidget>(u"ResourcesPageControl"_s); }
    QStringList pagesShowingControls() const;

    TemporaryCurrentFolder m_folder;
    std::unique_ptr<TMainForm> m_form;
};

void TestConfiguration::init()
{
    QVERIFY(m_folder.enter());
}

void TestConfiguration::cleanup()
{
    m_form.reset();
    m_folder.leave();
}

void TestConfiguration::writeSettings(const QByteArray &text) const
{
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray TestConfiguration::readSettings() const
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

void TestConfiguration::start()
{
    m_form = std::make_unique<TMainForm>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

// Clicks the tab as the user does.
void TestConfiguration::selectTab(const QString &caption) const
{
    QTabBar *bar = resources()->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == caption) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            QCOMPARE(resources()->currentIndex(), i);
            return;
        }
    }
    QFAIL("no such tab");
}

QStringList TestConfiguration::pagesShowingControls() const
{
    QStringList showing;
    for (const QString &page : resourcePages) {
        if (contents(page)->isVisible())
            showing << page;
    }
    return showing;
}

void TestConfiguration::firstRunCreatesTheFileWithEveryKeyOn()
{
    ModalWatcher watcher;
    start();
    QCOMPARE(readSettings(), settingsText());
    for (const QString &key : typeKeys + resourceKeys)
        QVERIFY2(isOn(boxOf(key)), qPrintable(key));
    QVERIFY(watcher.seen().isEmpty());
    QCOMPARE(pagesShowingControls(), QStringList{u"Songs"_s});
}

void TestConfiguration::readsEachKeyByTheSwitchRule()
{
    writeSettings("; kept\n[character types]\nANGEL=0\nDemon=00\nOutcast=0x0\nRenegade=$0\n"
                  "Soldier=2\nUndead=-1\nRemnant=no\nMundane=\n"
                  "[Resource Types]\nSongs=false\nSkills=0x10\nVessels= 0 \n");
    start();
    for (const QString &key : typeKeys.first(4))
        QVERIFY2(!isOn(boxOf(key)), qPrintable(key));
    for (const QString &key : typeKeys.sliced(4))
        QVERIFY2(isOn(boxOf(key)), qPrintable(key));
    QVERIFY(isOn(u"SongsCheckBox"_s));
    QVERIFY(isOn(u"SkillsCheckBox"_s));
    QVERIFY(!isOn(u"VesselsCheckBox"_s));
    QVERIFY(isOn(u"RolesCheckBox"_s)); // missing key
}

void TestConfiguration::kindReadAsOffShowsAnEmptyPage()
{
    writeSettings(settingsText({u"Songs"_s}));
    start();
    QVERIFY(!isOn(u"SongsCheckBox"_s));
    QCOMPARE(resources()->currentWidget()->objectName(), u"SongsTabSheet"_s);
    QCOMPARE(pagesShowingControls(), QStringList());

    selectTab(u"Skills"_s);
    QCOMPARE(pagesShowingControls(), QStringList{u"Skills"_s});
    selectTab(u"Songs"_s);
    QCOMPARE(pagesShowingControls(), QStringList());
    // The tab itself stays in the row.
    QCOMPARE(resources()->tabBar()->tabText(0), u"Songs"_s);
    QVERIFY(resources()->isTabEnabled(0));
}

void TestConfiguration::offKindAboveAnotherPageStaysEmpty()
{
    writeSettings(settingsText({u"Discords"_s}));
    start();
    selectTab(u"Vessels"_s);
    // Vessels goes off and on again while it is not the selected page.
    selectTab(u"Roles"_s);
    m_form->control<QCheckBox>(u"VesselsCheckBox"_s)->click();
    m_form->control<QCheckBox>(u"VesselsCheckBox"_s)->click();
    QCOMPARE(pagesShowingControls(), QStringList{u"Roles"_s});
    selectTab(u"Discord"_s);
    QCOMPARE(pagesShowingControls(), QStringList());
    selectTab(u"Vessels"_s);
    QCOMPARE(pagesShowingControls(), QStringList{u"Vessels"_s});
}

void TestConfiguration::boxClickHidesAndShowsTheSelectedPageAtOnce()
{
    start();
    auto *songs = m_form->control<QCheckBox>(u"SongsCheckBox"_s);
    songs->click();
    QCOMPARE(pagesShowingControls(), QStringList());
    songs->click();
    QCOMPARE(pagesShowingControls(), QStringList{u"Songs"_s});
    // A page that is not selected follows its box too, and shows so when selected.
    m_form->control<QCheckBox>(u"DistinctionsCheckBox"_s)->click();
    selectTab(u"Distinctions"_s);
    QCOMPARE(pagesShowingControls(), QStringList());
}

void TestConfiguration::offKindStaysOffThroughCloseAndStart()
{
    writeSettings(settingsText({u"Vessels"_s}));
    start();
    QVERIFY(!isOn(u"VesselsCheckBox"_s));
    QVERIFY(m_form->close());
    QCOMPARE(readSettings(), settingsText({u"Vessels"_s}));
    start();
    QVERIFY(!isOn(u"VesselsCheckBox"_s));
}

void TestConfiguration::discordIsStoredUnderDiscords()
{
    writeSettings("[Resource Types]\nDiscord=0\n");
    start();
    QVERIFY(isOn(u"DiscordCheckBox"_s));
    m_form->control<QCheckBox>(u"DemonCheckBox"_s)->click();
    QVERIFY(m_form->close());
    const QByteArray stored = readSettings();
    QVERIFY(stored.startsWith("[Resource Types]\nDiscord=0\nSongs=1\n"));
    QVERIFY(stored.contains("\nDiscords=1\n"));
    QVERIFY(stored.contains("[Character Types]\nAngel=1\nDemon=0\n"));
}

void TestConfiguration::closeWritesIntoTheStartFolder()
{
    start();
    const QString firstPath = settingsPath();
    QTemporaryDir other;
    QDir::setCurrent(other.path());
    m_form->control<QCheckBox>(u"RolesCheckBox"_s)->click();
    QVERIFY(m_form->close());
    QVERIFY(!QFile::exists(QDir(other.path()).filePath(u"quillmark.ini"_s)));
    QFile first(firstPath);
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), settingsText({u"Roles"_s}));
    QDir::setCurrent(m_folder.path());
}

void TestConfiguration::exitLeavesTheFileAsItWas()
{
    const QByteArray text = "# my own notes\n" + settingsText({u"Skills"_s});
    writeSettings(text);
    start();
    m_form->control<QCheckBox>(u"SkillsCheckBox"_s)->click();
    m_form->control<QCheckBox>(u"AngelCheckBox"_s)->click();
    // Exit ends the event loop without the close path.
    QTimer::singleShot(0, m_form.get(),
                       [this] { m_form->control<QAction>(u"Exit1"_s)->trigger(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(readSettings(), text);
}

void TestConfiguration::unwritableFileAtStartKeepsEveryBoxOn()
{
    QVERIFY(QDir::current().mkdir(u"quillmark.ini"_s));
    ModalWatcher watcher;
    start();
    QTRY_COMPARE(watcher.seen().size(), 1);
    const ModalWatcher::Box &box = watcher.seen().constFirst();
    QCOMPARE(box.text, u"Unable to write to %1."_s.arg(settingsPath()));
    QCOMPARE(box.icon, QMessageBox::Critical);
    for (const QString &key : typeKeys + resourceKeys)
        QVERIFY2(isOn(boxOf(key)), qPrintable(key));
    QVERIFY(m_form->isVisible());
}

void TestConfiguration::unwritableFileAtCloseKeepsTheWindowOpen()
{
    start();
    QVERIFY(QFile::remove(settingsPath()));
    QVERIFY(QDir::current().mkdir(u"quillmark.ini"_s));
    ModalWatcher watcher;
    QVERIFY(!m_form->close());
    QVERIFY(m_form->isVisible());
    QVERIFY(!m_form->close());
    QVERIFY(m_form->isVisible());
    const QString error = u"Unable to write to %1."_s.arg(settingsPath());
    QCOMPARE(watcher.texts(), (QStringList{error, error}));
    QVERIFY(!watcher.unexpected());

    // Once the folder is out of the way the window closes and stores.
    QVERIFY(QDir::current().rmdir(u"quillmark.ini"_s));
    QVERIFY(m_form->close());
    QCOMPARE(readSettings(), settingsText());
}

QTEST_MAIN(TestConfiguration)
#include "tst_configuration.moc"
