// A character file write that runs out of room at every point of the file: whatever the byte at
// which the disk fills, Save either writes the whole new file or reports "Disk full" and leaves
// the old file and the folder exactly as they were. A file-size limit stands in for the full
// disk, since it stops root too.
#include "common/QuillError.h"
#include "files/FileAccess.h"
#include "support/ErrorOf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The error of replacing the file's content while files may grow to `limit` bytes at most;
// empty on success.
QString replaceWithin(rlim_t limit, const QString &path, const QByteArray &content)
{
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit lowered{limit, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &lowered);
    QString error;
    try {
        FileAccess::replace(path, content);
    } catch (const QuillError &e) {
        error = e.message();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldSignal);
    return error;
}

} // namespace

class TestSaveLimits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void diskFillsAtAnyByte_data();
    void diskFillsAtAnyByte();
};

void TestSaveLimits::diskFillsAtAnyByte_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("fits");
    // The new content is 4,000 bytes; the old one 12.
    QTest::newRow("no room at all") << 0 << false;
    QTest::newRow("one byte") << 1 << false;
    QTest::newRow("less than the old file") << 11 << false;
    QTest::newRow("half") << 2000 << false;
    QTest::newRow("one byte short") << 3999 << false;
    QTest::newRow("exactly the file") << 4000 << true;
    QTest::newRow("one byte more") << 4001 << true;
}

void TestSaveLimits::diskFillsAtAnyByte()
{
    QFETCH(int, limit);
    QFETCH(bool, fits);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"hero.qmc"_s);
    const QByteArray old = "old content\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    QByteArray content;
    for (int i = 0; content.size() < 4000; ++i)
        content += "Item " + QByteArray::number(i) + "\r\n";
    content.truncate(4000);

    const QString error = replaceWithin(rlim_t(limit), path, content);
    QCOMPARE(error, fits ? QString() : notSaved(path, u"Disk full"_s));
    QCOMPARE(contentOf(path), fits ? content : old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"hero.qmc"_s});
}

QTEST_GUILESS_MAIN(TestSaveLimits)
#include "tst_save_limits.moc"
