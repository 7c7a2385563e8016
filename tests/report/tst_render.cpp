#include "common/QuillError.h"
#include "print/PrintTexts.h"
#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/layout/LayoutReader.h"
#include "print/report/output/PdfReportOutput.h"
#include "print/report/output/ReportOutput.h"
#include "print/report/output/ReportPrinting.h"
#include "print/report/pages/MemoFlow.h"
#include "print/report/pages/ReportPages.h"
#include "print/report/pages/ReportRenderer.h"
#include "report/LayoutFiles.h"
#include "sheet/CharacterSheet.h"
#include "support/ErrorOf.h"
#include "support/RecordingPrompter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void fill(CharacterSheet &sheet)
{
    const QList<std::pair<SheetValue, QString>> values = {
        {SheetValue::CharacterName, u"Zoë Ångström"_s},
        {SheetValue::ChoirBand, u"Kyriotate"_s},
        {SheetValue::Superior, u"Janus, Archangel of Wind"_s},
        {SheetValue::Corporeal, u"101"_s},
        {SheetValue::Strength, u"102"_s},
        {SheetValue::Agility, u"103"_s},
        {SheetValue::Ethereal, u"104"_s},
        {SheetValue::Intelligence, u"105"_s},
        {SheetValue::Precision, u"106"_s},
        {SheetValue::Celestial, u"107"_s},
        {SheetValue::Will, u"108"_s},
        {SheetValue::Perception, u"109"_s},
        {SheetValue::MindHits, u"110"_s},
        {SheetValue::SoulHits, u"111"_s},
        {SheetValue::TotalForces, u"999"_s},
        {SheetValue::CharacterPoints, u"998"_s},
    };
    for (const auto &[value, text] : values)
        sheet.setText(value, text);
    sheet.setItems(SheetList::ChoirBandAttunements, {u"Attunement of Wind"_s});
    sheet.setItems(SheetList::SuperiorAttunements, {u"Friend of Doors"_s});
    sheet.setItems(SheetList::Distinctions, {u"Seneschal"_s});
    sheet.setItems(SheetList::Songs, {u"Ethereal Song of Charm ,Level:2"_s});
    sheet.setItems(SheetList::Skills, {u"Swimming Level:3"_s});
    sheet.setItems(SheetList::Vessels, {u"Human ,Body Hits:12 ,Charisma:1 Level:2 Cost:8"_s});
    sheet.setItems(SheetList::Roles, {u"Bartender, Level:2, Status:3, Cost:3"_s});
    sheet.setItems(SheetList::Servants, {u"Hound, Level:3, Class:1, Cost:2"_s});
    sheet.setItems(SheetList::Artifacts,
                   {u"Celestial Artifact of Lamp ,Level:2 ,Modifier:-1 ,Cost:5"_s});
    sheet.setItems(SheetList::Discords, {u"Corporeal Discord of Limp ,Level:2 ,Cost:6"_s});
}

// The text of a PDF file with every run of white space made one blank and ligatures ("fi")
// written out.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

// The text of each page of a PDF file, in the order it was drawn.
QStringList pdfPages(const QString &pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-raw"_s, u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QStringList numbered(const QString &what, int count)
{
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items << u"%1 %2 Level:3"_s.arg(what).arg(i, 3, 10, QChar(u'0'));
    return items;
}

// The page drawn on a white image of this size, at this many pixels to the millimetre.
QImage rendered(const LayoutPage &page, QSize size, int perMillimetre)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(perMillimetre * 1000);
    image.setDotsPerMeterY(perMillimetre * 1000);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportRenderer::renderPage(painter, page);
    painter.end();
    return image;
}

LayoutPart textPart(PartKind kind, const QString &text, Overflow overflow)
{
    LayoutPart part;
    part.kind = kind;
    part.name = u"field"_s;
    part.rect = QRectF(20, 20, 30, 10);
    part.text = text;
    part.overflow = overflow;
    part.font.size = 14;
    return part;
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void defaultSheetShowsEveryFilledValue();
    void faultyLayoutWritesNoFile();
    void printingTwiceReadsTheLayoutAgain();
    void textsStayInsideTheirBoxes_data();
    void textsStayInsideTheirBoxes();
    void memoShrinksUntilEveryLineShows_data();
    void memoShrinksUntilEveryLineShows();
    void continuedMemoShrinksOnlyToEndInItsBox_data();
    void continuedMemoShrinksOnlyToEndInItsBox();
    void wrappedLinesOfAnEntryStandIn();
    void longParagraphPrintsEveryLetterInOrder_data();
    void longParagraphPrintsEveryLetterInOrder();
    void paragraphBrokenInsideLosesNoLine_data();
    void paragraphBrokenInsideLosesNoLine();
    void tenThousandItemsAreEachInAPagesShare();
    void statusNamesEachPage();
    void longColumnsContinueOnPagesThatRepeatTheDesign();
    void cancelledRunLeavesNoFile_data();
    void cancelledRunLeavesNoFile();
    void unwritableFileIsAnError();
    void pageLimitIsTheWholeReports();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Puts the program's own layout into the test's folder.
    bool useDefaultLayout() const
    {
        QFile::remove(path(u"qmsheet.rav"_s));
        return QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/qmsheet.rav"),
                           path(u"qmsheet.rav"_s));
    }
    void print(const CharacterSheet &sheet, RecordingPrompter &prompter, const QString &pdf);

    QTemporaryDir m_dir;
};

void TestRender::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; run scripts/install-deps");
}

void TestRender::print(const CharacterSheet &sheet, RecordingPrompter &prompter, const QString &pdf)
{
    PdfReportOutput output(pdf);
    LayoutReportEngine project(output);
    SheetPrintout::print(sheet, project, prompter, m_dir.path());
    QVERIFY(!project.find(u"Report1.Page1"_s)); // closed again
}

void TestRender::defaultSheetShowsEveryFilledValue()
{
    QVERIFY(useDefaultLayout());
    CharacterSheet sheet;
    fill(sheet);
    RecordingPrompter prompter;
    print(sheet, prompter, path(u"sheet.pdf"_s));
    QCOMPARE(prompter.shown, QStringList());

    const QString text = pdfText(path(u"sheet.pdf"_s));
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
    QStringList expected;
    for (const PrintTexts::Field &field : PrintTexts::textFields(sheet))
        expected << field.text;
    for (SheetList list : SheetNames::allLists())
        expected << sheet.items(list);
    expected << u"** Attunments **"_s << u"** Discords **"_s;
    for (const QString &value : std::as_const(expected))
        QVERIFY2(text.contains(value), qPrintable(u"\"%1\" is not on the sheet"_s.arg(value)));
    QVERIFY(!text.contains(u"999"_s));
    QVERIFY(!text.contains(u"998"_s));
}

void TestRender::faultyLayoutWritesNoFile()
{
    QFile::remove(path(u"qmsheet.rav"_s));
    QVERIFY(writeLayout(path(u"qmsheet.rav"_s), sheetFields({}, "Will")));
    CharacterSheet sheet;
    RecordingPrompter prompter;
    print(sheet, prompter, path(u"faulty.pdf"_s));
    QCOMPARE(prompter.shown,
             QStringList{u"The page \"Report1.Page1\" of the report layout has no component "
                         "\"Will\"; nothing was printed."_s});
    QVERIFY(!QFile::exists(path(u"faulty.pdf"_s)));
}

void TestRender::printingTwiceReadsTheLayoutAgain()
{
    CharacterSheet sheet;
    RecordingPrompter prompter;
    QFile::remove(path(u"qmsheet.rav"_s));
    QVERIFY(writeLayout(
        path(u"qmsheet.rav"_s),
        sheetFields(R"(<label x="10" y="1" width="90" height="8" text="Edition One"/>)")));
    print(sheet, prompter, path(u"one.pdf"_s));
    QVERIFY(writeLayout(
        path(u"qmsheet.rav"_s),
        sheetFields(R"(<label x="10" y="1" width="90" height="8" text="Edition Two"/>)")));
    print(sheet, prompter, path(u"two.pdf"_s));
    QVERIFY(pdfText(path(u"one.pdf"_s)).contains(u"Edition One"_s));
    const QString second = pdfText(path(u"two.pdf"_s));
    QVERIFY(second.contains(u"Edition Two"_s));
    // The second sheet starts empty again: nothing filled the first time is left over.
    QVERIFY(second.contains(u"Enter Character Name"_s));
}

void TestRender::textsStayInsideTheirBoxes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Overflow>("overflow");
    const QString longLine = u"A name far too long for its little box, and longer still"_s;
    const QString manyLines = u"one\rtwo\rthree\rfour\rfive\rsix\rseven\reight\rnine\rten"_s;
    QTest::newRow("text shrunk") << int(PartKind::Text) << longLine << Overflow::Shrink;
    QTest::newRow("text clipped") << int(PartKind::Text) << longLine << Overflow::Clip;
    QTest::newRow("memo shrunk") << int(PartKind::Memo) << manyLines + longLine << Overflow::Shrink;
    QTest::newRow("memo clipped") << int(PartKind::Memo) << manyLines << Overflow::Clip;
    QTest::newRow("memo continued")
        << int(PartKind::Memo) << manyLines + longLine << Overflow::Continue;
}

void TestRender::textsStayInsideTheirBoxes()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(Overflow, overflow);
    LayoutPage page;
    page.paper = QSizeF(70, 50);
    page.parts << textPart(PartKind(kind), text, overflow);
    const QImage image = rendered(page, QSize(280, 200), 4);

    const QRect box(80, 80, 120, 40);
    int inside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            QVERIFY2(box.adjusted(-1, -1, 1, 1).contains(x, y),
                     qPrintable(u"ink outside the box at %1,%2"_s.arg(x).arg(y)));
            ++inside;
        }
    }
    QVERIFY(inside > 100);
}

void TestRender::memoShrinksUntilEveryLineShows_data()
{
    QTest::addColumn<Overflow>("overflow");
    QTest::addColumn<bool>("allShown");
    QTest::newRow("shrink") << Overflow::Shrink << true;
    QTest::newRow("clip") << Overflow::Clip << false;
}

// Twelve short lines in a box that holds about eight at the memo's size: shrunk, every line shows
// as a band of ink of its own; clipped, the last ones are cut off.
void TestRender::memoShrinksUntilEveryLineShows()
{
    QFETCH(Overflow, overflow);
    QFETCH(bool, allShown);
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << u"Line %1"_s.arg(i);
    LayoutPage page;
    page.paper = QSizeF(60, 60);
    page.parts << textPart(PartKind::Memo, lines.join(u'\r'), overflow);
    page.parts.last().rect = QRectF(5, 5, 50, 40);
    const QImage image = rendered(page, QSize(480, 480), 8);

    int bands = 0;
    bool inInk = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixel(x, y) != qRgb(255, 255, 255);
        bands += ink && !inInk;
        inInk = ink;
    }
    QCOMPARE(bands == 12, allShown);
    QVERIFY(bands >= 7);
}

void TestRender::continuedMemoShrinksOnlyToEndInItsBox_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("shrunk");
    // The box holds four lines at 14 points and six at three quarters of that.
    QTest::newRow("fits as it is") << 3 << false;
    QTest::newRow("fits when shrunk") << 5 << true;
    QTest::newRow("goes on to another page anyway") << 40 << false;
}

void TestRender::continuedMemoShrinksOnlyToEndInItsBox()
{
    QFETCH(int, lines);
    QFETCH(bool, shrunk);
    QImage image(QSize(400, 400), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780); // 96 dots per inch
    image.setDotsPerMeterY(3780);
    QStringList text;
    for (int i = 1; i <= lines; ++i)
        text << u"Skill %1 Level:2"_s.arg(i);
    const LayoutPart part = textPart(PartKind::Memo, text.join(u'\r'), Overflow::Continue);
    const MemoFlow flow(part, 0, QRectF(0, 0, 300, 100), &image);
    if (shrunk)
        QVERIFY2(flow.pointSize() < 14 && flow.pointSize() >= 10.5,
                 qPrintable(QString::number(flow.pointSize())));
    else
        QCOMPARE(flow.pointSize(), 14.0);
}

// One entry too wide for its box: its second and later lines begin about two letters further
// right.
void TestRender::wrappedLinesOfAnEntryStandIn()
{
    LayoutPage page;
    page.paper = QSizeF(100, 60);
    page.parts << textPart(PartKind::Memo,
                           u"Celestial Artifact of Lamp ,Level:2 ,Modifier:0 ,Cost:2"_s,
                           Overflow::Continue);
    page.parts.last().rect = QRectF(5, 5, 60, 40);
    const QImage image = rendered(page, QSize(800, 480), 8);

    QList<int> lefts; // the leftmost ink of each band of lines
    bool inInk = false;
    for (int y = 0; y < image.height(); ++y) {
        int left = -1;
        for (int x = 0; x < image.width() && left < 0; ++x)
            left = image.pixel(x, y) != qRgb(255, 255, 255) ? x : -1;
        if (left >= 0 && !inInk)
            lefts << left;
        else if (left >= 0)
            lefts.last() = std::min(lefts.last(), left);
        inInk = left >= 0;
    }
    QVERIFY2(lefts.size() >= 2, qPrintable(QString::number(lefts.size())));
    // 14 points at 8 pixels to the millimetre: a letter is some 25 to 40 pixels wide.
    for (int i = 1; i < lefts.size(); ++i) {
        const int standIn = lefts.at(i) - lefts.at(0);
        QVERIFY2(standIn >= 40 && standIn <= 100, qPrintable(QString::number(standIn)));
    }
}

void TestRender::longParagraphPrintsEveryLetterInOrder_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("blanks");
    QTest::addColumn<int>("resolution");
    QTest::newRow("words") << 20000 << true << 1200;
    QTest::newRow("one word, far wider than the box") << 20000 << false << 1200;
    // As one line these would reach past what Qt's text positions hold at this resolution.
    QTest::newRow("wider than one layout reaches") << 60000 << true << 9600;
}

// One paragraph of a memo that continues, many boxes long: every letter once, in order, spread
// over pages that each carry a share of it.
void TestRender::longParagraphPrintsEveryLetterInOrder()
{
    QFETCH(int, length);
    QFETCH(bool, blanks);
    QFETCH(int, resolution);
    QString text;
    for (int i = 0; i < length; ++i)
        text += blanks && i % 10 == 9 ? QChar(u' ') : QChar(u'a' + i % 26);
    LayoutReport report;
    report.pages.resize(1);
    report.pages[0].paper = QSizeF(148, 210);
    report.pages[0].parts << textPart(PartKind::Memo, text, Overflow::Continue);
    report.pages[0].parts.last().rect = QRectF(10, 10, 128, 60);
    report.pages[0].parts.last().font.size = 9;
    const QString pdf = path(u"paragraph.pdf"_s);
    {
        QPdfWriter writer(pdf);
        writer.setResolution(resolution);
        QVERIFY(ReportPrinting::print(writer, report, u"the test's file"_s));
    }
    const QStringList pages = pdfPages(pdf);
    QVERIFY2(pages.size() > length / 5000, qPrintable(QString::number(pages.size())));
    for (qsizetype i = 0; i + 1 < pages.size(); ++i)
        QVERIFY2(pages.at(i).trimmed().size() > 1000, qPrintable(pages.at(i)));
    QString printed = pages.join(QString());
    printed.remove(QRegularExpression(u"\\s"_s));
    QCOMPARE(printed.size(), qsizetype(length - (blanks ? length / 10 : 0)));
    QCOMPARE(printed, QString(text).remove(u' '));
}

void TestRender::paragraphBrokenInsideLosesNoLine_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("line separator") << u"Skill %1\u2028second part %1"_s;
    QTest::newRow("U+009C") << u"Skill %1 \u009c and a tail long enough to wrap, part %1"_s;
}

// Two hundred Skills of two lines each, over several pages: every line of each on some page.
void TestRender::paragraphBrokenInsideLosesNoLine()
{
    QFETCH(QString, item);
    QVERIFY(useDefaultLayout());
    QStringList skills;
    for (int i = 1; i <= 200; ++i)
        skills << item.arg(i);
    CharacterSheet sheet;
    sheet.setItems(SheetList::Skills, skills);
    RecordingPrompter prompter;
    print(sheet, prompter, path(u"broken.pdf"_s));
    const QString all = pdfPages(path(u"broken.pdf"_s)).join(u' ').simplified();
    for (int i = 1; i <= 200; ++i)
        QVERIFY2(all.count(u"part %1 "_s.arg(i)) == 1, qPrintable(QString::number(i)));
}

namespace {

// What the page breaks of a run report put into each memo's shares: its paragraphs, its lines
// in order and where each share begins, with the number of prints of its page.
struct MemoShares
{
    QStringList paragraphs;
    std::vector<MemoLine> lines;
    QList<qsizetype> firstLines; // of each share, and the end
    int prints = 0;
};

// Lays the run report out as a PDF file would be and keeps its memos' shares.
class PageBreaks : public ReportOutput
{
public:
    void run(const LayoutReport &report) override
    {
        QBuffer nowhere;
        QPdfWriter writer(&nowhere);
        for (const PageFlow &flow : ReportPages::layOut(report, &writer)) {
            for (const MemoFlow &memo : flow.memos) {
                MemoShares &kept = memos.emplace_back();
                kept.paragraphs = flow.page->parts.at(memo.partIndex()).text.split(u'\r');
                kept.lines = memo.lines();
                for (int share = 0; share <= memo.shares(); ++share)
                    kept.firstLines << memo.firstLine(share);
                kept.prints = flow.prints;
            }
        }
    }
    std::vector<MemoShares> memos;
};

} // namespace

// 10,000 items in the default layout: every paragraph of both memos, whole and in order, in the
// shares of the prints of its page.
void TestRender::tenThousandItemsAreEachInAPagesShare()
{
    QVERIFY(useDefaultLayout());
    CharacterSheet sheet;
    for (SheetList list : SheetNames::allLists())
        sheet.setItems(list, numbered(SheetNames::controlName(list), 1000));
    PageBreaks output;
    LayoutReportEngine engine(output);
    RecordingPrompter prompter;
    SheetPrintout::print(sheet, engine, prompter, m_dir.path());
    QCOMPARE(output.memos.size(), size_t(2));
    int items = 0;
    for (const MemoShares &memo : output.memos) {
        QVERIFY2(memo.prints > 100, qPrintable(QString::number(memo.prints)));
        QVERIFY(memo.firstLines.size() - 1 <= memo.prints);
        QCOMPARE(memo.firstLines.constFirst(), 0);
        QCOMPARE(memo.firstLines.constLast(), qsizetype(memo.lines.size()));
        // Each line goes on where the one before ended, so the shares hold every character once.
        qsizetype paragraph = 0;
        qsizetype at = 0;
        for (const MemoLine &line : memo.lines) {
            if (line.paragraph != paragraph) {
                QCOMPARE(at, memo.paragraphs.at(paragraph).size());
                QCOMPARE(line.paragraph, paragraph + 1);
                paragraph = line.paragraph;
                at = 0;
            }
            QCOMPARE(line.start, at);
            at += line.length;
        }
        QCOMPARE(paragraph, memo.paragraphs.size() - 1);
        QCOMPARE(at, memo.paragraphs.constLast().size());
        items += int(memo.paragraphs.filter(u" Level:3"_s).size());
    }
    QCOMPARE(items, 10000);
}

void TestRender::statusNamesEachPage()
{
    LayoutReport report;
    report.name = u"Report1"_s;
    report.pages.resize(2);
    report.pages[0].paper = QSizeF(210, 297);
    report.pages[1].paper = QSizeF(297, 210);
    QStringList status;
    ReportPrinting::writePdf(report, path(u"status.pdf"_s),
                             [&status](const QString &text, int page, int pages) {
                                 status << u"%1 (%2/%3)"_s.arg(text).arg(page).arg(pages);
                                 return true;
                             });
    QCOMPARE(status, (QStringList{u"Generating page 1 (1/0)"_s, u"Generating page 2 (2/0)"_s,
                                  u"Printing page 1 (1/2)"_s, u"Printing page 2 (2/2)"_s}));
    QVERIFY(QFileInfo(path(u"status.pdf"_s)).size() > 0);
}

void TestRender::unwritableFileIsAnError()
{
    LayoutReport report;
    report.pages.resize(1);
    report.pages[0].paper = QSizeF(210, 297);
    const QString target = path(u"no-such-folder/out.pdf"_s);
    QVERIFY_THROWS_EXCEPTION(QuillError, ReportPrinting::writePdf(report, target));
    QVERIFY(!QFile::exists(target));
}

// A memo on the second page that would go past the page limit: the refusal names the report's
// limit, not what was left of it when the memo began.
void TestRender::pageLimitIsTheWholeReports()
{
    LayoutReport report;
    report.pages.resize(2);
    for (LayoutPage &page : report.pages)
        page.paper = QSizeF(148, 210);
    report.pages[1].parts << textPart(
        PartKind::Memo, u"line\r"_s.repeated(ReportPages::maximumPages), Overflow::Continue);
    report.pages[1].parts.last().rect = QRectF(10, 10, 100, 5);
    QBuffer nowhere;
    QPdfWriter writer(&nowhere);
    QCOMPARE(errorOf([&] { ReportPages::layOut(report, &writer); }),
             u"The report would take more than 10,000 pages; nothing was printed"_s);
}

// 100 Skills, 60 Songs and 40 Distinctions in the default layout: every item once, in order, and
// every continuation page carries the design, the name and its page number.
void TestRender::longColumnsContinueOnPagesThatRepeatTheDesign()
{
    QVERIFY(useDefaultLayout());
    CharacterSheet sheet;
    sheet.setText(SheetValue::CharacterName, u"Long Lister"_s);
    sheet.setItems(SheetList::Distinctions, numbered(u"Distinction"_s, 40));
    sheet.setItems(SheetList::Songs, numbered(u"Song"_s, 60));
    sheet.setItems(SheetList::Skills, numbered(u"Skill"_s, 100));
    sheet.setItems(SheetList::Vessels, numbered(u"Vessel"_s, 70));
    RecordingPrompter prompter;
    print(sheet, prompter, path(u"long.pdf"_s));
    QCOMPARE(prompter.shown, QStringList());

    const QStringList pages = pdfPages(path(u"long.pdf"_s));
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    const QString all = pages.join(u' ');
    for (const QStringList &column :
         {numbered(u"Distinction"_s, 40) + numbered(u"Song"_s, 60) + numbered(u"Skill"_s, 100),
          numbered(u"Vessel"_s, 70)}) {
        qsizetype at = 0;
        for (const QString &item : column) {
            QCOMPARE(all.count(item), 1);
            const qsizetype found = all.indexOf(item);
            QVERIFY2(found > at, qPrintable(item + u" is out of order"_s));
            at = found;
        }
    }
    for (int i = 0; i < pages.size(); ++i) {
        const QString &page = pages.at(i);
        QVERIFY2(page.contains(u"VESTRINE"_s) && page.contains(u"Long Lister"_s) &&
                     page.contains(u"Vessels, Roles, Servants, Artifacts, Discords"_s),
                 qPrintable(page));
        QVERIFY(page.contains(u"Page %1 of %2"_s.arg(i + 1).arg(pages.size())));
    }
    QVERIFY(pages.constLast().contains(u"Skill 100 Level:3"_s));
}

void TestRender::cancelledRunLeavesNoFile_data()
{
    QTest::addColumn<int>("calls");
    QTest::addColumn<QStringList>("status");
    QTest::newRow("while laying out")
        << 2 << QStringList{u"Generating page 1"_s, u"Generating page 2"_s};
    QTest::newRow("while drawing")
        << 5
        << QStringList{u"Generating page 1"_s, u"Generating page 2"_s, u"Generating page 3"_s,
                       u"Printing page 1"_s, u"Printing page 2"_s};
}

// The run stops at the answer that cancels it.
void TestRender::cancelledRunLeavesNoFile()
{
    QFETCH(int, calls);
    QFETCH(QStringList, status);
    LayoutReport report;
    report.pages.resize(3);
    for (LayoutPage &page : report.pages)
        page.paper = QSizeF(210, 297);
    const QString target = path(u"cancelled.pdf"_s);
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("%PDF-1.4 older\n%%EOF\n") == 21);
    old.close();
    QStringList heard;
    const bool done = ReportPrinting::writePdf(report, target, [&](const QString &text, int, int) {
        heard << text;
        return heard.size() < calls;
    });
    QVERIFY(!done);
    QCOMPARE(heard, status);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("%PDF-1.4 older\n%%EOF\n"));
    QCOMPARE(QDir(m_dir.path()).entryList({u"cancelled*"_s}), QStringList{u"cancelled.pdf"_s});
}

QTEST_MAIN(TestRender)
#include "tst_render.moc"
