// Print into a PDF file of one very long Skill, against the same number of characters spread
// over 10,000 short Skills: the time (median), the pages and how many of the Skill's letters the
// PDF holds (the letters are Greek, so that none of the sheet's own is counted). The long Skill is
// measured as words of 9 letters and as one word without blanks, at three lengths, to show how the
// cost grows.
//
//   bench_long_memo [runs] [longest length] [layout file]
#include "BenchSupport.h"
#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/output/PdfReportOutput.h"
#include "sheet/CharacterSheet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// `length` characters of the Greek letters alpha to omega in turn, which nothing else on the
// sheet uses; with blanks, every tenth is a blank.
QString longText(qsizetype length, bool blanks)
{
    QString text(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i)
        text[i] = blanks && i % 10 == 9 ? QChar(u' ') : QChar(u'\u03b1' + int(i % 25));
    return text;
}

qsizetype lettersIn(const QString &text)
{
    qsizetype letters = 0;
    for (QChar c : text)
        letters += c >= u'\u03b1' && c <= u'\u03c9';
    return letters;
}

QString pdfTool(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(600000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pagesOf(const QString &pdf)
{
    for (const QString &line : pdfTool(u"pdfinfo"_s, {pdf}).split(u'\n'))
        if (line.startsWith(u"Pages:"_s))
            return line.mid(6).trimmed().toInt();
    return -1;
}

qsizetype pdfLetters(const QString &pdf)
{
    return lettersIn(pdfTool(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s}));
}

struct Run
{
    double ms;
    int pages;
    qsizetype letters; // of the Skills, in the PDF
};

Run printSkills(const QString &folder, const QStringList &skills, int runs)
{
    SilentPrompter prompter;
    const QString pdf = folder + u"/long.pdf"_s;
    CharacterSheet sheet;
    PdfReportOutput output(pdf);
    const auto print = [&] {
        LayoutReportEngine engine(output);
        SheetPrintout::print(sheet, engine, prompter, folder);
    };
    sheet.setItems(SheetList::Skills, skills);
    const double ms = medianMs(runs, print);
    return {ms, pagesOf(pdf), pdfLetters(pdf)};
}

void report(const QString &what, qsizetype letters, const Run &run)
{
    const QLocale english(QLocale::English);
    std::printf("  %-44s median %9.1f ms, %5d pages, %s of %s letters printed\n", qPrintable(what),
                run.ms, run.pages, qPrintable(english.toString(run.letters)),
                qPrintable(english.toString(letters)));
    std::fflush(stdout);
}

} // namespace

static int benchmarkMain(int, char **)
{
    const QStringList args = QCoreApplication::arguments();
    const int runs = args.size() > 1 ? args.at(1).toInt() : 5;
    const qsizetype longest = args.size() > 2 ? args.at(2).toLongLong() : 300000;
    const QString layout = args.size() > 3 ? args.at(3) : defaultLayout();
    QTemporaryDir folder;
    if (!QFile::copy(layout, folder.filePath(u"qmsheet.rav"_s))) {
        std::fprintf(stderr, "cannot copy the layout %s\n", qPrintable(layout));
        return 1;
    }
    const QLocale english(QLocale::English);
    std::printf("Print to PDF, default layout, medians of %d runs; letters counted in pdftotext's "
                "text\n",
                runs);
    for (qsizetype length : {longest / 100, longest / 10, longest}) {
        std::printf("%s characters:\n", qPrintable(english.toString(length)));
        for (bool blanks : {true, false}) {
            const QString text = longText(length, blanks);
            report(blanks ? u"one Skill, words of 9 letters"_s : u"one Skill, no blanks"_s,
                   lettersIn(text), printSkills(folder.path(), {text}, runs));
        }
    }
    // The baseline: the longest length as 10,000 Skills (each with blanks).
    const QString item = longText(std::max<qsizetype>(1, longest / 10000), true);
    const QStringList shortSkills(10000, item);
    report(u"baseline: 10,000 Skills of %1 characters"_s.arg(item.size()), lettersIn(item) * 10000,
           printSkills(folder.path(), shortSkills, runs));
    return 0;
}

const Benchmark benchmark{benchmarkMain};
