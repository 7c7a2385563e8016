#include "shell/settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

// The settings file as a value, without a window: what load() finds, what store() writes.
class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void keysReadIntoTheValue();
    void storeWritesTheValueAndKeepsOtherLines();
    void refusedFileIsToldAndNeverWritten();

private:
    QByteArray settings() const;
    void writeSettings(const QByteArray &text) const;

    QString m_start;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsFile::init()
{
    m_start = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid() && QDir::setCurrent(m_dir->path()));
}

void TestSettingsFile::cleanup()
{
    QDir::setCurrent(m_start);
    m_dir.reset();
}

QByteArray TestSettingsFile::settings() const
{
    QFile file(m_dir->filePath(u"quillmark.ini"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void TestSettingsFile::writeSettings(const QByteArray &text) const
{
    QFile file(m_dir->filePath(u"quillmark.ini"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

void TestSettingsFile::keysReadIntoTheValue()
{
    writeSettings("[Character Types]\nDemon=0\nMundane=0x0\n[Resource Types]\nDiscords=0\n");
    SettingsFile file;
    const SettingsFile::Loaded loaded = file.load();
    QVERIFY(loaded.configuration);
    Configuration expected;
    expected.types = {true, false, true, true, true, true, true, false};
    expected.resources = {true, true, true, true, true, true, false, true};
    QVERIFY(*loaded.configuration == expected);
}

void TestSettingsFile::storeWritesTheValueAndKeepsOtherLines()
{
    writeSettings("; mine\n[Other]\nx=y\n[Character Types]\n");
    SettingsFile file;
    Configuration off;
    off.types.fill(false);
    off.resources = {false, true, true, true, true, true, true, true};
    file.store(off);
    QCOMPARE(settings(), "; mine\n[Other]\nx=y\n[Character Types]\nAngel=0\nDemon=0\nOutcast=0\n"
                         "Renegade=0\nSoldier=0\nUndead=0\nRemnant=0\nMundane=0\n\n"
                         "[Resource Types]\nSongs=0\nSkills=1\nVessels=1\nRoles=1\nArtifacts=1\n"
                         "Servants=1\nDiscords=1\nDistinctions=1\n");
}

void TestSettingsFile::refusedFileIsToldAndNeverWritten()
{
    const QString path = m_dir->filePath(u"quillmark.ini"_s);
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    SettingsFile file;
    const SettingsFile::Loaded loaded = file.load();
    QVERIFY(!loaded.configuration);
    QCOMPARE(loaded.message, u"The settings file %1 was ignored: it is a named pipe, not a regular "
                             u"file. Every character type and resource kind is offered, and "
                             u"closing the window leaves that file as it is."_s.arg(path));
    file.store(Configuration{});
    struct stat after = {};
    QVERIFY(::lstat(QFile::encodeName(path).constData(), &after) == 0 && S_ISFIFO(after.st_mode));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
