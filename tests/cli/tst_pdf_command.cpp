// quillmark --pdf behind its command line: the PDF file each character file goes to, and a sheet
// identical in text and pages to the one File > Print writes into a PDF file.
#include "cli/Batch.h"
#include "cli/CommandLine.h"
#include "files/SheetSamples.h"
#include "gui/FileDialogAnswers.h"
#include "shell/cMain.h"
#include "support/ModalWatcher.h"
#include "support/TemporaryCurrentFolder.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The text of every page, each page ended by a form feed.
QString pdfText(const QString &pdf)
{
    QProcess tool;
    tool.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return u"pdftotext failed on "_s + pdf;
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

class TestPdfCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void plan_data();
    void plan();
    void whatOutMayReplace_data();
    void whatOutMayReplace();
    void characterFileAppearingDuringTheBatch_data();
    void characterFileAppearingDuringTheBatch();
    void sameSheetAsFilePrint();

private:
    TemporaryCurrentFolder m_folder;
};

void TestPdfCommand::init()
{
    QVERIFY(m_folder.enter());
}

void TestPdfCommand::cleanup()
{
    m_folder.leave();
}

void TestPdfCommand::plan_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QStringList>("pdfs");
    QTest::addColumn<QStringList>("refusals");
    const QString earlier = u"its PDF out/hero.pdf is also the PDF of an earlier file; nothing "
                            u"was written."_s;
    QTest::newRow("names in a folder")
        << QStringList{u"a/hero.qmc"_s, u"notes.txt"_s, u"b/Loud.QMC"_s, u".qmc"_s} << u"out"_s
        << QStringList{u"out/hero.pdf"_s, u"out/notes.txt.pdf"_s, u"out/Loud.pdf"_s,
                       u"out/.qmc.pdf"_s}
        << QStringList{QString(), QString(), QString(), QString()};
    QTest::newRow("two files of one name")
        << QStringList{u"a/hero.qmc"_s, u"b/hero.qmc"_s} << u"out"_s
        << QStringList{u"out/hero.pdf"_s, u"out/hero.pdf"_s} << QStringList{QString(), earlier};
    QTest::newRow("a PDF over another file's character file, named through a link")
        << QStringList{u"hero.pdf"_s, u"hero.qmc"_s} << u"out"_s
        << QStringList{u"out/hero.pdf.pdf"_s, u"out/hero.pdf"_s}
        << QStringList{QString(), u"its PDF out/hero.pdf would replace a character file; "
                                  u"nothing was written."_s};
}

void TestPdfCommand::plan()
{
    QFETCH(QStringList, files);
    QFETCH(QString, out);
    QFETCH(QStringList, pdfs);
    QFETCH(QStringList, refusals);
    QVERIFY(QDir().mkdir(out));
    // "hero.pdf" is the same file as "out/hero.pdf" through a link.
    QVERIFY(QFile::link(u"out/hero.pdf"_s, u"hero.pdf"_s));
    QVERIFY(writeFile(u"out/hero.pdf"_s, "%PDF-1.4\r\n"));
    CommandLine::Request request{.files = files, .pdf = out, .pdfIntoFolder = true};
    QStringList plannedPdfs, plannedRefusals;
    for (const Batch::Job &job : Batch::plan(request)) {
        plannedPdfs << job.out;
        plannedRefusals << job.refusal;
    }
    QCOMPARE(plannedPdfs, pdfs);
    QCOMPARE(plannedRefusals, refusals);
}

void TestPdfCommand::whatOutMayReplace_data()
{
    QTest::addColumn<QString>("out");
    QTest::addColumn<int>("status");
    QTest::addRow("a character file") << u"other.qmc"_s << 1;
    QTest::addRow("a link to a character file") << u"link.pdf"_s << 1;
    QTest::addRow("the layout") << u"qmsheet.rav"_s << 1;
    QTest::newRow("a character named %PDF- ending in %%EOF") << u"named.qmc"_s << 1;
    QTest::addRow("a file that only starts as a PDF does") << u"header.pdf"_s << 1;
    QTest::addRow("an older PDF") << u"older.pdf"_s << 0;
}

void TestPdfCommand::whatOutMayReplace()
{
    QFETCH(QString, out);
    QFETCH(int, status);
    QVERIFY(
        QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"), u"qmsheet.rav"_s));
    const QByteArray character = CharacterFileFormat::encode(fullCharacter());
    QVERIFY(writeFile(u"hero.qmc"_s, character));
    QVERIFY(writeFile(u"other.qmc"_s, character));
    QVERIFY(QFile::link(u"other.qmc"_s, u"link.pdf"_s));
    QVERIFY(writeFile(u"older.pdf"_s, "%PDF-1.4 older\n%%EOF\n"));
    QVERIFY(writeFile(u"header.pdf"_s, "%PDF-1.4 no trailer\n"));
    CharacterFile named = fullCharacter();
    named.text(SheetValue::CharacterName) = u"%PDF-1.7 Ann"_s;
    named.list(SheetList::Distinctions) << u"%%EOF"_s;
    QVERIFY(writeFile(u"named.qmc"_s, CharacterFileFormat::encode(named)));
    QFile before(out);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();

    const CommandLine::Request request{.files = {u"hero.qmc"_s}, .pdf = out};
    QCOMPARE(Batch::run(request), status);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray now = before.readAll();
    QCOMPARE(now == old, status == 1);
    QVERIFY(now.startsWith(status == 1 ? old : QByteArray("%PDF-")));
    QCOMPARE(QFileInfo(u"link.pdf"_s).isSymLink(), true);
}

void TestPdfCommand::characterFileAppearingDuringTheBatch_data()
{
    QTest::addColumn<bool>("link");
    QTest::addRow("a character file saved under the PDF's name") << false;
    QTest::addRow("a link to a character file placed there") << true;
}

// The batch is planned while OUT is free; a character file comes there before its PDF is written.
void TestPdfCommand::characterFileAppearingDuringTheBatch()
{
    QFETCH(bool, link);
    QVERIFY(
        QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"), u"qmsheet.rav"_s));
    const QByteArray character = CharacterFileFormat::encode(fullCharacter());
    QVERIFY(writeFile(u"hero.qmc"_s, character));
    QVERIFY(QDir().mkdir(u"out"_s));
    const CommandLine::Request request{
        .files = {u"hero.qmc"_s}, .pdf = u"out"_s, .pdfIntoFolder = true};
    const QList<Batch::Job> jobs = Batch::plan(request);
    QCOMPARE(jobs.size(), 1);
    QVERIFY(jobs.constFirst().refusal.isEmpty());

    QVERIFY(writeFile(link ? u"kept.qmc"_s : u"out/hero.pdf"_s, character));
    if (link)
        QVERIFY(QFile::link(u"../kept.qmc"_s, u"out/hero.pdf"_s));
    QCOMPARE(Batch::run(request, jobs), 1);
    QFile kept(u"out/hero.pdf"_s);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), character);
    QCOMPARE(QFileInfo(u"out/hero.pdf"_s).isSymLink(), link);
    QCOMPARE(QDir(u"out"_s).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{u"hero.pdf"_s});
}

void TestPdfCommand::sameSheetAsFilePrint()
{
    QVERIFY(
        QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"), u"qmsheet.rav"_s));
    // Enough items for the lists to go on over continuation pages.
    CharacterFile character = fullCharacter();
    for (int i = 0; i < 120; ++i)
        character.lists[2] << u"Song of Motion %1 ,Level:3"_s.arg(i);
    QVERIFY(writeFile(u"hero.qmc"_s, CharacterFileFormat::encode(character)));
    const QString byWindow = m_folder.filePath(u"window.pdf"_s);
    {
        TMainForm form;
        form.show();
        form.openCharacterFile(u"hero.qmc"_s);
        ModalWatcher watcher;
        watcher.onDialog(sendReportToFile);
        watcher.onDialog(typeFileName(byWindow));
        form.control<QAction>(u"Print1"_s)->trigger();
        QVERIFY(!watcher.unexpected());
        QVERIFY(watcher.seen().isEmpty());
    }
    QVERIFY(QDir().mkdir(u"out"_s));
    const CommandLine::Request request{
        .files = {u"hero.qmc"_s}, .pdf = u"out"_s, .pdfIntoFolder = true};
    QCOMPARE(Batch::run(request), 0);

    const QString text = pdfText(u"out/hero.pdf"_s);
    QVERIFY2(text.count(u'\f') >= 3, qPrintable(text));
    QVERIFY(text.contains(u"Zoë Ångström"_s));
    QVERIFY(text.contains(u"Song of Motion 119 ,Level:3"_s));
    QCOMPARE(text, pdfText(byWindow));
}

QTEST_MAIN(TestPdfCommand)
#include "tst_pdf_command.moc"
