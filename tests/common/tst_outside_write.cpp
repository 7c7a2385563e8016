#include "common/OutsideWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestOutsideWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void replaceRule_data();
    void replaceRule();
    void judgedAgainWhenCommitted_data();
    void judgedAgainWhenCommitted();
    void abandonedWriteLeavesNothing();
    void replacedFileIsRenamedOntoNotRemoved_data();
    void replacedFileIsRenamedOntoNotRemoved();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void put(const QString &name, const QByteArray &bytes);
    QByteArray contentOf(const QString &name) const;
    QStringList entries() const
    {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

const QByteArray pdf = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<<>>\nendobj\ntrailer\n%%EOF\n";
// A character file whose name starts as a PDF does and whose last item is the PDF trailer.
const QByteArray pdfLikeCharacter = "%PDF-1.4 Ann\r\n0\r\n" + QByteArray("0\r\n").repeated(15) +
                                    QByteArray("*\r\n").repeated(9) + "%%EOF\r\n*\r\n";
const QByteArray character =
    "Ann\r\n0\r\n" + QByteArray("0\r\n").repeated(15) + QByteArray("*\r\n").repeated(10);

} // namespace

void TestOutsideWrite::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestOutsideWrite::put(const QString &name, const QByteArray &bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestOutsideWrite::contentOf(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Each row writes "out" under the rule; `before` is what stands there ("link:" names a link to
// "file", which then holds `file`).
void TestOutsideWrite::replaceRule_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal");
    const QString notPdf = OutsideFile::notTheRightKind(OutsideFile::earlierPdf);
    const QString kept = OutsideFile::characterFileKept();
    QTest::newRow("new name") << false << u"none"_s << QByteArray() << QString();
    QTest::newRow("earlier PDF") << false << u"file"_s << pdf << QString();
    QTest::newRow("PDF header without its trailer")
        << false << u"file"_s << "%PDF-1.4\n" + QByteArray(2000, 'x') << notPdf;
    QTest::newRow("trailer more than 1,024 bytes before the end")
        << false << u"file"_s << pdf + QByteArray(1030, '\n') << notPdf;
    QTest::newRow("empty file") << false << u"file"_s << QByteArray() << notPdf;
    QTest::newRow("character named %PDF- ending in %%EOF")
        << false << u"file"_s << pdfLikeCharacter << kept;
    QTest::newRow("link to an earlier PDF") << false << u"link"_s << pdf << QString();
    QTest::newRow("link to a character file") << false << u"link"_s << pdfLikeCharacter << kept;
    QTest::newRow("link to a missing file")
        << false << u"dangling"_s << QByteArray() << OutsideFile::linkToNothing();
    QTest::newRow("named pipe") << false << u"fifo"_s << QByteArray()
                                << u"it is a named pipe, not a regular file"_s;
    QTest::newRow("Save over a character file") << true << u"file"_s << character << QString();
    QTest::newRow("Save through a link to a missing file")
        << true << u"dangling"_s << QByteArray() << OutsideFile::linkToNothing();
}

void TestOutsideWrite::replaceRule()
{
    QFETCH(bool, save);
    QFETCH(QString, setUp);
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    const bool linked = setUp == u"link"_s || setUp == u"dangling"_s;
    const QString target = linked ? u"file"_s : u"out"_s;
    if (setUp == u"file"_s || setUp == u"link"_s)
        put(target, file);
    if (setUp == u"link"_s || setUp == u"dangling"_s)
        QVERIFY(QFile::link(u"file"_s, path(u"out"_s)));
    if (setUp == u"fifo"_s)
        QCOMPARE(::mkfifo(QFile::encodeName(path(u"out"_s)).constData(), 0600), 0);
    const QStringList before = entries();

    const OutsideFile::WriteResult written = OutsideFile::replace(
        path(u"out"_s), "new", save ? OutsideFile::characterSave : OutsideFile::earlierPdf);
    QCOMPARE(written.refusal, refusal);
    QCOMPARE(written.error, 0);
    if (refusal.isEmpty())
        QCOMPARE(contentOf(target), QByteArray("new"));
    else if (setUp == u"file"_s || setUp == u"link"_s)
        QCOMPARE(contentOf(target), file);
    // A link stays a link, and nothing else is left behind or created.
    QCOMPARE(QFileInfo(path(u"out"_s)).isSymLink(), linked);
    QCOMPARE(entries(), setUp == u"none"_s ? QStringList{u"out"_s} : before);
}

void TestOutsideWrite::judgedAgainWhenCommitted_data()
{
    QTest::addColumn<QByteArray>("atStart");
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("refusal");
    const QString kept = OutsideFile::characterFileKept();
    QTest::newRow("character file saved under a new name") << QByteArray() << u"file"_s << kept;
    QTest::newRow("link to a character file placed under a new name")
        << QByteArray() << u"link"_s << kept;
    QTest::newRow("earlier PDF replaced by a character file") << pdf << u"file"_s << kept;
    QTest::newRow("earlier PDF replaced by a link to a character file") << pdf << u"link"_s << kept;
    QTest::newRow("PDF saved under a new name") << QByteArray() << u"pdf"_s << QString();
}

// The target changes between the start of the write and its commit: the commit judges it again.
void TestOutsideWrite::judgedAgainWhenCommitted()
{
    QFETCH(QByteArray, atStart);
    QFETCH(QString, meanwhile);
    QFETCH(QString, refusal);
    if (!atStart.isEmpty())
        put(u"out"_s, atStart);
    OutsideFile::PendingWrite pending(path(u"out"_s), OutsideFile::earlierPdf);
    QVERIFY(pending.started().ok());
    QCOMPARE(::write(pending.fd(), "new", 3), 3);

    QFile::remove(path(u"out"_s));
    if (meanwhile == u"file"_s)
        put(u"out"_s, character);
    if (meanwhile == u"pdf"_s)
        put(u"out"_s, pdf);
    if (meanwhile == u"link"_s) {
        put(u"elsewhere.qmc"_s, character);
        QVERIFY(QFile::link(u"elsewhere.qmc"_s, path(u"out"_s)));
    }

    QCOMPARE(pending.commit().refusal, refusal);
    QCOMPARE(contentOf(u"out"_s), refusal.isEmpty() ? QByteArray("new") : character);
    QCOMPARE(entries().filter(u".quillmark-"_s), QStringList());
}

void TestOutsideWrite::abandonedWriteLeavesNothing()
{
    put(u"out"_s, pdf);
    {
        OutsideFile::PendingWrite pending(path(u"out"_s), OutsideFile::earlierPdf);
        QVERIFY(QFile::exists(pending.temporaryName()));
    }
    QCOMPARE(entries(), QStringList{u"out"_s});
    QCOMPARE(contentOf(u"out"_s), pdf);
}

void TestOutsideWrite::replacedFileIsRenamedOntoNotRemoved_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("replaced");
    QTest::newRow("the file") << u"out"_s << u"out"_s;
    QTest::newRow("through a link") << u"link"_s << u"out"_s;
}

// What a file manager is told by inotify: the name changed (moved to), never moved away or deleted.
void TestOutsideWrite::replacedFileIsRenamedOntoNotRemoved()
{
    QFETCH(QString, written);
    QFETCH(QString, replaced);
    put(u"out"_s, pdf);
    QVERIFY(QFile::link(u"out"_s, path(u"link"_s)));
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watch >= 0);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(m_dir->path()).constData(),
                                IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE) >= 0);
    QVERIFY(OutsideFile::replace(path(written), pdf + "new", OutsideFile::earlierPdf).ok());

    QStringList events;
    alignas(inotify_event) char buffer[4096];
    const ssize_t length = ::read(watch, buffer, sizeof buffer);
    ::close(watch);
    for (ssize_t at = 0; at < length;) {
        const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
        const QString name = QFile::decodeName(event->len ? event->name : "");
        if (name == replaced || name == written)
            events << (event->mask & IN_MOVED_TO ? u"moved to "_s : u"removed "_s) + name;
        at += ssize_t(sizeof(inotify_event) + event->len);
    }
    QCOMPARE(events, QStringList{u"moved to "_s + replaced});
    QCOMPARE(contentOf(u"out"_s), pdf + "new");
    QVERIFY(QFileInfo(path(u"link"_s)).isSymLink());
}

QTEST_GUILESS_MAIN(TestOutsideWrite)
#include "tst_outside_write.moc"
