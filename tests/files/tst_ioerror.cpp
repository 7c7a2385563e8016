#include "files/IoError.h"

#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

using namespace Qt::StringLiterals;

class TestIoError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void message_data();
    void message();
};

void TestIoError::message_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<IoError::Use>("use");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<QString>("text");
    using U = IoError::Use;
    QTest::newRow("missing file") << ENOENT << U::Read << true << u"File not found"_s;
    QTest::newRow("missing folder when reading")
        << ENOENT << U::Read << false << u"Invalid filename"_s;
    QTest::newRow("missing folder when creating")
        << ENOENT << U::Create << true << u"Invalid filename"_s;
    QTest::newRow("file in the path") << ENOTDIR << U::Read << true << u"Invalid filename"_s;
    QTest::newRow("name too long") << ENAMETOOLONG << U::Create << true << u"Invalid filename"_s;
    QTest::newRow("too many open files") << EMFILE << U::Read << true << u"Too many open files"_s;
    QTest::newRow("permission") << EACCES << U::Create << true << u"File access denied"_s;
    QTest::newRow("read-only file system") << EROFS << U::Create << true << u"File access denied"_s;
    QTest::newRow("a folder") << EISDIR << U::Create << true << u"File access denied"_s;
    QTest::newRow("no space") << ENOSPC << U::Create << true << u"Disk full"_s;
    QTest::newRow("quota") << EDQUOT << U::Create << true << u"Disk full"_s;
    QTest::newRow("size limit") << EFBIG << U::Create << true << u"Disk full"_s;
    // EIO is 5 on Linux: it must not borrow the text of code 5.
    QTest::newRow("device error") << EIO << U::Read << true << u"I/O error %1"_s.arg(EIO);
    QTest::newRow("no reader") << ENXIO << U::Create << true << u"I/O error %1"_s.arg(ENXIO);
}

void TestIoError::message()
{
    QFETCH(int, error);
    QFETCH(IoError::Use, use);
    QFETCH(bool, folderExists);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString name = dir.filePath(folderExists ? u"c.qmc"_s : u"nowhere/c.qmc"_s);
    QCOMPARE(IoError::message(error, use, name), text);
}

QTEST_GUILESS_MAIN(TestIoError)
#include "tst_ioerror.moc"
