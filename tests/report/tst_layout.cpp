#include "common/QuillError.h"
#include "fault/PipesAndDevices.h"
#include "fault/Watchdog.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/layout/LayoutImages.h"
#include "print/report/layout/LayoutReader.h"
#include "print/report/output/ReportOutput.h"
#include "report/LayoutFiles.h"
#include "support/ErrorOf.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class CountingOutput : public ReportOutput
{
public:
    void run(const LayoutReport &report) override { runs << report.name; }
    QStringList runs;
};

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void namesMatchWithoutRegardToCase_data();
    void namesMatchWithoutRegardToCase();
    void plainNameOnTheGivenPageFirstThenAnywhere();
    void missingFileGivesTheExactText();
    void damagedFileNamesTheFileAndLine_data();
    void damagedFileNamesTheFileAndLine();
    void folderInsteadOfAFile();
    void refusesWhatIsNoLayout_data();
    void refusesWhatIsNoLayout();
    void refusesAnImageThatIsNoImageFile_data();
    void refusesAnImageThatIsNoImageFile();
    void readsLargeImagesOfAnyDepth_data();
    void readsLargeImagesOfAnyDepth();
    void imagesAreReadOnceAndBoundedTogether_data();
    void imagesAreReadOnceAndBoundedTogether();
    void nothingButCommentsAfterTheProject_data();
    void nothingButCommentsAfterTheProject();
    void lengthsInTheUnitsOfThePage_data();
    void lengthsInTheUnitsOfThePage();
    void textsAreKeptUntilClose();
    void onlyTextAndMemoFieldsTakeTexts();
    void runsOnlyAReportOfThatName();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void openTwoPages(LayoutReportEngine &project);

    QTemporaryDir m_dir;
    CountingOutput m_output;
};

void TestLayout::init()
{
    QVERIFY(m_dir.isValid());
    m_output.runs.clear();
}

void TestLayout::openTwoPages(LayoutReportEngine &project)
{
    QFile file(path(u"two.rav"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"(<project>
  <report name="Report1">
    <page name="Page1"><text name="shared" x="1" y="1" width="5" height="5"/>
      <label name="Banner" x="1" y="1" width="5" height="5" text="Banner"/></page>
    <page name="Page2"><memo name="Shared" x="1" y="1" width="5" height="5"/>
      <text name="OnlyHere" x="1" y="1" width="5" height="5"/></page>
  </report>
</project>)");
    file.close();
    project.setProjectFile(path(u"two.rav"_s));
    project.open();
}

void TestLayout::namesMatchWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::newRow("page as written") << u"Report1.Page1"_s << int(ComponentKind::Page);
    QTest::newRow("page in other case") << u"REPORT1.page2"_s << int(ComponentKind::Page);
    QTest::newRow("text in other case") << u"SHARED"_s << int(ComponentKind::Text);
    QTest::newRow("label") << u"banner"_s << int(ComponentKind::Other);
    QTest::newRow("unknown page") << u"Report1.Page3"_s << int(ComponentKind::None);
    QTest::newRow("unknown report") << u"Report2.Page1"_s << int(ComponentKind::None);
    QTest::newRow("unknown component") << u"shared2"_s << int(ComponentKind::None);
}

void TestLayout::namesMatchWithoutRegardToCase()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    LayoutReportEngine project(m_output);
    openTwoPages(project);
    QCOMPARE(int(project.find(name).kind), kind);
}

void TestLayout::plainNameOnTheGivenPageFirstThenAnywhere()
{
    LayoutReportEngine project(m_output);
    openTwoPages(project);
    const ComponentHandle page1 = project.find(u"report1.page1"_s);
    const ComponentHandle page2 = project.find(u"Report1.Page2"_s);
    QCOMPARE(project.find(u"shared"_s, page1).kind, ComponentKind::Text);
    QCOMPARE(project.find(u"shared"_s, page2).kind, ComponentKind::Memo);
    QCOMPARE(project.find(u"onlyhere"_s, page1).kind, ComponentKind::Text);
    QCOMPARE(project.find(u"shared"_s).kind, ComponentKind::Text);
}

void TestLayout::missingFileGivesTheExactText()
{
    LayoutReportEngine project(m_output);
    const QString missing = path(u"qmsheet.rav"_s);
    project.setProjectFile(missing);
    QCOMPARE(errorOf([&] { project.open(); }),
             u"The following reporting project does not exist:\r\""_s + missing + u'"');
    QVERIFY(!project.find(u"Report1.Page1"_s));
}

void TestLayout::damagedFileNamesTheFileAndLine_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QByteArray>("page");
    const QByteArray a4 = R"(paper="A4" unit="mm")";
    const QByteArray ok = R"(<text name="a" x="1" y="1" width="5" height="5"/>)";
    QTest::newRow("tag not closed") << ok + "\n<box x=\"1\" y=\"1\" width=\"2\" height=\"2\">" << 7
                                    << u"Opening and ending tag mismatch"_s << a4;
    QTest::newRow("unknown component")
        << ok + "\n<circle/>" << 6 << u"unknown component <circle>"_s << a4;
    QTest::newRow("missing position")
        << QByteArray(R"(<text name="a" x="1" width="5" height="5"/>)") << 5
        << u"<text> needs the attribute \"y\""_s << a4;
    QTest::newRow("not a number")
        << QByteArray(R"(<memo name="m" x="1" y="one" width="5" height="5"/>)") << 5
        << u"\"one\" is no valid value for \"y\" (a number from 0 to 10,000)"_s << a4;
    QTest::newRow("not a number at all")
        << QByteArray(R"(<memo name="m" x="1" y="1" width="nan" height="5"/>)") << 5
        << u"\"nan\" is no valid value for \"width\" (a number from 0 to 10,000)"_s << a4;
    QTest::newRow("misspelt attribute")
        << QByteArray(R"(<text name="t" x="1" y="1" widht="5" width="5" height="5"/>)") << 5
        << u"<text> has no attribute \"widht\""_s << a4;
    QTest::newRow("field without a name")
        << QByteArray(R"(<text x="1" y="1" width="5" height="5"/>)") << 5
        << u"a text or memo field needs a name"_s << a4;
    QTest::newRow("same name in another case")
        << ok + "\n" + R"(<memo name="A" x="1" y="1" width="5" height="5"/>)" << 6
        << u"there is a second component named \"A\""_s << a4;
    QTest::newRow("bad colour") << QByteArray(R"(<line x1="0" y1="0" x2="1" y2="1" color="#12"/>)")
                                << 5
                                << u"\"#12\" is not a colour (write #rrggbb or a colour name)"_s
                                << a4;
    QTest::newRow("bad alignment")
        << QByteArray(R"(<label x="0" y="0" width="1" height="1" align="middle"/>)") << 5
        << u"\"middle\" is not one of \"left\", \"center\", \"right\""_s << a4;
    QTest::newRow("a text field cannot continue")
        << QByteArray(R"(<text name="t" x="0" y="0" width="1" height="1" overflow="continue"/>)")
        << 5 << u"\"continue\" is not one of \"shrink\", \"clip\""_s << a4;
    QTest::newRow("unknown overflow of a memo")
        << QByteArray(R"(<memo name="m" x="0" y="0" width="1" height="1" overflow="wrap"/>)") << 5
        << u"\"wrap\" is not one of \"shrink\", \"clip\", \"continue\""_s << a4;
    QTest::newRow("image outside the folder")
        << QByteArray(R"(<image x="0" y="0" width="1" height="1" source="../secret.png"/>)") << 5
        << u"the image \"../secret.png\" must be a file name in the layout's own folder"_s << a4;
    QTest::newRow("text inside a field")
        << QByteArray(R"(<text name="t" x="1" y="1" width="5" height="5"><b/></text>)") << 5
        << u"<text> may not hold <b>"_s << a4;
    QTest::newRow("paper too large") << ok << 4 << u"a page may be at most 2,000 mm wide and high"_s
                                     << QByteArray(R"(width="201" height="10" unit="cm")");
    QTest::newRow("report without a page")
        << QByteArray("</page></report>\n<report name=\"Empty\"></report>\n"
                      "<report name=\"Report3\"><page name=\"P\">")
        << 6 << u"a report needs at least one page"_s << a4;
    QTest::newRow("unknown unit") << ok << 4 << u"unknown unit \"px\""_s
                                  << QByteArray(R"(unit="px")");
    QTest::newRow("unknown paper")
        << ok << 4 << u"unknown paper \"A9\""_s << QByteArray(R"(paper="A9")");
    QTest::newRow("a unit of a million letters, quoted in part")
        << ok << 4 << u"unknown unit \"%1…\" (1,000,000 characters)"_s.arg(QString(60, u'x'))
        << "unit=\"" + QByteArray(1'000'000, 'x') + '"';
}

void TestLayout::damagedFileNamesTheFileAndLine()
{
    QFETCH(QByteArray, body);
    QFETCH(int, line);
    QFETCH(QString, what);
    QFETCH(QByteArray, page);
    const QString file = path(u"damaged.rav"_s);
    QVERIFY(writeLayout(file, body, page));
    LayoutReportEngine project(m_output);
    project.setProjectFile(file);
    QCOMPARE(errorOf([&] { project.open(); }),
             u"The reporting project \"%1\" is damaged in line %2: %3."_s.arg(
                 file, QString::number(line), what));
    // Nothing of the damaged file stays loaded.
    QVERIFY(!project.find(u"Report1.Page1"_s));
}

void TestLayout::folderInsteadOfAFile()
{
    QVERIFY(QDir(m_dir.path()).mkdir(u"qmsheet.rav"_s));
    const QString folder = path(u"qmsheet.rav"_s);
    QCOMPARE(errorOf([&] { LayoutReader::read(folder); }),
             u"The reporting project \"%1\" cannot be read: it is a folder"_s.arg(folder));
}

void TestLayout::refusesWhatIsNoLayout_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    const QString pipe = u"it is a named pipe, not a regular file"_s;
    QTest::newRow("pipe") << u"fifo"_s << pipe;
    QTest::newRow("pipe with a writer") << u"fifo with a writer"_s << pipe;
    QTest::newRow("/dev/zero") << u"link to /dev/zero"_s << u"it is a device, not a regular file"_s;
    QTest::newRow("one byte over the limit")
        << u"sparse 16777217"_s
        << u"it is too large: 16.0 MB, where a report layout may have at most 16 MB"_s;
}

void TestLayout::refusesWhatIsNoLayout()
{
    QFETCH(QString, kind);
    QFETCH(QString, why);
    const QString file = path(u"special.rav"_s);
    const int keep = makeSpecialFile(file, kind);
    QVERIFY(keep != -2);
    LayoutReportEngine project(m_output);
    project.setProjectFile(file);
    QString error;
    {
        Watchdog watchdog(QTest::currentDataTag());
        error = errorOf([&] { project.open(); });
    }
    if (keep >= 0)
        ::close(keep);
    QFile::remove(file);
    QCOMPARE(error, u"The reporting project \"%1\" cannot be read: %2"_s.arg(file, why));
    QVERIFY(!project.find(u"Report1.Page1"_s));
}

void TestLayout::refusesAnImageThatIsNoImageFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("why"); // after the image's path
    QTest::newRow("pipe") << u"fifo"_s << QByteArray()
                          << u"cannot be read: it is a named pipe, not a regular file"_s;
    QTest::newRow("/dev/urandom") << u"link to /dev/urandom"_s << QByteArray()
                                  << u"cannot be read: it is a device, not a regular file"_s;
    // Only the header is there: the size is refused before any pixel is decoded.
    QTest::newRow("50 million pixels")
        << QString() << QByteArray("P5\n10000 5000\n255\n")
        << u"is too large: 10,000 by 5,000 pixels, where an image may have at most 40 million "
           u"pixels"_s;
    QTest::newRow("not an image") << QString() << QByteArray("GIF? no") << u"cannot be read"_s;
}

void TestLayout::refusesAnImageThatIsNoImageFile()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString image = dir.filePath(u"picture.pgm"_s);
    const int keep = kind.isEmpty() ? -1 : makeSpecialFile(image, kind);
    QVERIFY(keep != -2);
    if (kind.isEmpty()) {
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    const QString layout = dir.filePath(u"qmsheet.rav"_s);
    QVERIFY(
        writeLayout(layout, R"(<image x="0" y="0" width="10" height="10" source="picture.pgm"/>)"));
    QString error;
    {
        Watchdog watchdog(QTest::currentDataTag());
        error = errorOf([&] { LayoutReader::read(layout); });
    }
    if (keep >= 0)
        ::close(keep);
    QCOMPARE(error,
             u"The reporting project \"%1\" is damaged in line 5: the image \"%2\" %3."_s.arg(
                 layout, image, why));
}

void TestLayout::readsLargeImagesOfAnyDepth_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QImage::Format>("format");
    // Decoded, the first needs 144 MB, the second 162 MB: each more than Qt allows by default.
    QTest::newRow("36 million pixels") << 6000 << QImage::Format_ARGB32;
    QTest::newRow("20 million pixels, 16 bits a channel") << 4500 << QImage::Format_RGBA64;
}

void TestLayout::readsLargeImagesOfAnyDepth()
{
    QFETCH(int, side);
    QFETCH(QImage::Format, format);
    QTemporaryDir dir;
    QImage big(side, side, format);
    big.fill(Qt::white);
    QVERIFY(big.save(dir.filePath(u"picture.png"_s)));
    big = QImage();
    const QString layout = dir.filePath(u"qmsheet.rav"_s);
    QVERIFY(
        writeLayout(layout, R"(<image x="0" y="0" width="10" height="10" source="picture.png"/>)"));
    QCOMPARE(errorOf([&] { LayoutReader::read(layout); }), QString());
    QString error;
    const QImage kept = LayoutImages(QDir(dir.path())).image(u"picture.png"_s, error);
    QCOMPARE(kept.size(), QSize(side, side));
    QCOMPARE(kept.depth(), 32);
}

void TestLayout::imagesAreReadOnceAndBoundedTogether_data()
{
    QTest::addColumn<QByteArrayList>("sources");
    QTest::addColumn<QString>("error"); // empty when the layout is read
    QTest::newRow("one file of 36 million pixels named three times")
        << QByteArrayList{"a.png", "a.png", "a.png"} << QString();
    QTest::newRow("files of 81 million pixels together")
        << QByteArrayList{"a.png", "b.png", "a.png", "c.png"}
        << u"The reporting project \"%1\" is damaged in line 8: the image \"%2/c.png\" is one "
           u"too many: with it the layout's images would have 81 million pixels, where all of "
           u"them together may have at most 80 million."_s;
}

void TestLayout::imagesAreReadOnceAndBoundedTogether()
{
    QFETCH(QByteArrayList, sources);
    QFETCH(QString, error);
    QTemporaryDir dir;
    // One bit a pixel, so that the test takes little memory.
    for (const auto &[name, side] :
         {std::pair{u"a.png"_s, 6000}, {u"b.png"_s, 6000}, {u"c.png"_s, 3000}}) {
        QImage image(side, side, QImage::Format_Mono);
        image.fill(1);
        QVERIFY(image.save(dir.filePath(name)));
    }
    QByteArray body;
    for (const QByteArray &source : sources)
        body += R"(<image x="0" y="0" width="10" height="10" source=")" + source + "\"/>\n";
    const QString layout = dir.filePath(u"qmsheet.rav"_s);
    QVERIFY(writeLayout(layout, body));
    LayoutProject project;
    QString message;
    {
        Watchdog watchdog(QTest::currentDataTag());
        message = errorOf([&] { project = LayoutReader::read(layout); });
    }
    QCOMPARE(message, error.isEmpty() ? QString() : error.arg(layout, dir.path()));
    if (!error.isEmpty())
        return;
    const QList<LayoutPart> &parts = project.reports.at(0).pages.at(0).parts;
    QCOMPARE(parts.at(0).image.size(), QSize(6000, 6000));
    QCOMPARE(parts.at(1).image.constBits(), parts.at(0).image.constBits());
    QCOMPARE(parts.at(2).image.constBits(), parts.at(0).image.constBits());
}

void TestLayout::nothingButCommentsAfterTheProject_data()
{
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("error"); // empty when the layout is read
    const QString nothingMore = u"Extra content at end of document."_s;
    QTest::newRow("blanks") << QByteArray("\n  \n\t") << QString();
    QTest::newRow("comment") << QByteArray("<!-- made by hand -->\n") << QString();
    QTest::newRow("processing instruction") << QByteArray("<?tidy done?>\n") << QString();
    QTest::newRow("text") << QByteArray("\nleft over\n") << u"2: "_s + nothingMore;
    QTest::newRow("second root") << QByteArray("\n\n<project/>") << u"3: "_s + nothingMore;
    QTest::newRow("second root after a comment")
        << QByteArray("<!-- x -->\n<report name=\"R\"/>") << u"2: "_s + nothingMore;
}

void TestLayout::nothingButCommentsAfterTheProject()
{
    QFETCH(QByteArray, after);
    QFETCH(QString, error);
    const QString file = path(u"after.rav"_s);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write("<project><report name=\"Report1\"><page name=\"Page1\"/></report></project>" +
              after);
    out.close();
    const QString message = errorOf([&] { LayoutReader::read(file); });
    QCOMPARE(message, error.isEmpty() ? QString()
                                      : u"The reporting project \"%1\" is damaged in line %2"_s.arg(
                                            file, error));
}

void TestLayout::lengthsInTheUnitsOfThePage_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QSizeF>("paper");
    QTest::addColumn<QRectF>("box");
    const QByteArray box = R"(<box x="1" y="2" width="3" height="4"/>)";
    QTest::newRow("A4 in mm") << QByteArray(R"(paper="a4" unit="mm")") << QSizeF(210, 297)
                              << QRectF(1, 2, 3, 4);
    QTest::newRow("landscape Letter in inches")
        << QByteArray(R"(paper="Letter" orientation="landscape" unit="in")") << QSizeF(279.4, 215.9)
        << QRectF(25.4, 50.8, 76.2, 101.6);
    QTest::newRow("own size in cm") << QByteArray(R"(width="10" height="15" unit="cm")")
                                    << QSizeF(100, 150) << QRectF(10, 20, 30, 40);
}

void TestLayout::lengthsInTheUnitsOfThePage()
{
    QFETCH(QByteArray, page);
    QFETCH(QSizeF, paper);
    QFETCH(QRectF, box);
    QFile file(path(u"units.rav"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<project><report name=\"R\"><page name=\"P\" " + page +
               R"(><box x="1" y="2" width="3" height="4"/></page></report></project>)");
    file.close();
    const LayoutProject project = LayoutReader::read(file.fileName());
    const LayoutPage &read = project.reports.at(0).pages.at(0);
    QCOMPARE(read.paper.width(), paper.width());
    QCOMPARE(read.paper.height(), paper.height());
    QCOMPARE(read.parts.at(0).rect, box);
}

void TestLayout::textsAreKeptUntilClose()
{
    LayoutReportEngine project(m_output);
    openTwoPages(project);
    const ComponentHandle memo = project.find(u"Shared"_s, project.find(u"Report1.Page2"_s));
    project.setMemoText(memo, u"one\rtwo"_s);
    QCOMPARE(project.memoText(memo), u"one\rtwo"_s);
    project.close();
    QVERIFY(!project.find(u"Report1.Page2"_s));
    QVERIFY(!project.find(u"Shared"_s));
    QVERIFY_THROWS_EXCEPTION(QuillError, project.memoText(memo));
    project.open();
    QCOMPARE(project.memoText(project.find(u"Shared"_s, project.find(u"Report1.Page2"_s))),
             QString());
}

void TestLayout::onlyTextAndMemoFieldsTakeTexts()
{
    LayoutReportEngine project(m_output);
    openTwoPages(project);
    QVERIFY_THROWS_EXCEPTION(QuillError, project.setText(project.find(u"Banner"_s), u"x"_s));
    QVERIFY_THROWS_EXCEPTION(QuillError, project.setText(project.find(u"Report1.Page1"_s), u"x"_s));
    QVERIFY_THROWS_EXCEPTION(QuillError, project.memoText(project.find(u"shared"_s)));
    QVERIFY_THROWS_EXCEPTION(QuillError, project.setText(ComponentHandle{}, u"x"_s));
}

void TestLayout::runsOnlyAReportOfThatName()
{
    LayoutReportEngine project(m_output);
    openTwoPages(project);
    project.execute(u"Report2"_s);
    QCOMPARE(m_output.runs, QStringList());
    project.execute(u"report1"_s);
    QCOMPARE(m_output.runs, QStringList{u"Report1"_s});
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
