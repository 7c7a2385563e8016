// One measured print for the print comparison (bench/compare-print), which builds this file twice:
// in this checkout and in the baseline's sources, so that both builds do exactly the same work.
//
//   print_cost --character N FILE    writes a character of N Skills into FILE
//   print_cost --pdf FILE OUT        prints FILE into the PDF file OUT, as quillmark --pdf
//   print_cost --preview FILE [DIR]  lays FILE out for the preview and draws every page (into
//                                    DIR/page-N.png when given, to compare two builds' pages)
//   print_cost --floor N PAGES OUT   the floor: the same N lines with QPainter::drawText on
//                                    PAGES pages of a bare QPdfWriter
//
// The print runs with the layout of the current folder. Each mode but --character prints
// "cpu=MS pages=N": the process's CPU time for the print alone (Open excluded) and the pages.
#include "BenchSupport.h"
#include "files/FileCommands.h"
#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "sheet/CharacterSheet.h"

// The report engine's headers before and after they moved into rooms of their own.
#if __has_include("print/report/windows/PreviewPages.h")
#include "print/report/output/PdfReportOutput.h"
#include "print/report/output/ReportOutput.h"
#include "print/report/output/ReportPrinting.h"
#include "print/report/windows/PreviewPages.h"
#else
#include "print/report/PdfReportOutput.h"
#include "print/report/PreviewPages.h"
#include "print/report/ReportOutput.h"
#include "print/report/ReportPrinting.h"
#endif

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cstdio>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

QString itemText(int i)
{
    return u"Ethereal Song of Motion %1 ,Level:%2"_s.arg(i).arg(i % 6 + 1);
}

int writeCharacter(int items, const QString &name)
{
    CharacterFile file;
    for (SheetValue value : SheetNames::allValues())
        file.text(value) = SheetNames::startText(value);
    file.text(SheetValue::CharacterName) = u"Benchmark Character"_s;
    for (int i = 0; i < items; ++i)
        file.list(SheetList::Skills) << itemText(i);
    QFile out(name);
    const QByteArray bytes = CharacterFileFormat::encode(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return 0;
}

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// What the window's preview does with a report: laid out for a printer of its own, then every
// page drawn at the screen's size, as paging through the whole preview draws them.
class PreviewOutput : public ReportOutput
{
public:
    explicit PreviewOutput(QString folder) : m_folder(std::move(folder)) {}

    void run(const LayoutReport &report) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(true);
        const PreviewPages preview(*ReportPrinting::layOut(report, printer, {}), printer);
        for (int page = 1; page <= preview.pageCount(); ++page) {
            const QImage image = preview.render(page, 96, 1);
            if (image.isNull())
                qFatal("page %d of the preview was not drawn", page);
            if (!m_folder.isEmpty() && !image.save(u"%1/page-%2.png"_s.arg(m_folder).arg(page)))
                qFatal("cannot write page %d into %s", page, qPrintable(m_folder));
        }
        pages = preview.pageCount();
    }
    int pages = 0;

private:
    QString m_folder;
};

// Prints the character of `file` into `output` with the current folder's layout.
int printCharacter(const QString &file, ReportOutput &output, const std::function<int()> &pages)
{
    CharacterSheet sheet;
    SilentPrompter prompter;
    FileCommands::load(sheet, file, prompter);
    const double start = cpuMs();
    LayoutReportEngine engine(output);
    SheetPrintout::printWithLayout(sheet, engine, prompter,
                                   QFileInfo(u"qmsheet.rav"_s).absoluteFilePath());
    std::printf("cpu=%.1f pages=%d\n", cpuMs() - start, pages());
    return 0;
}

// The least any program pays to put these lines into a PDF file: each drawn once with the
// memo's font, in as many lines to a page as the pages take.
int floorOf(int lines, int pages, const QString &name)
{
    const double start = cpuMs();
    QPdfWriter writer(name);
    QPainter painter(&writer);
    painter.setFont(QFont(u"DejaVu Sans"_s, 9));
    const int perPage = (lines + pages - 1) / std::max(1, pages);
    const double lineHeight = painter.fontMetrics().height();
    for (int i = 0; i < lines; ++i) {
        if (i > 0 && i % perPage == 0)
            writer.newPage();
        painter.drawText(QPointF(700, 7000 + lineHeight * (i % perPage)), itemText(i));
    }
    painter.end();
    std::printf("cpu=%.1f pages=%d\n", cpuMs() - start, pages);
    return 0;
}

} // namespace

static int benchmarkMain(int, char **)
{
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    if (mode == u"--character"_s && args.size() == 4)
        return writeCharacter(args.at(2).toInt(), args.at(3));
    if (mode == u"--pdf"_s && args.size() == 4) {
        PdfReportOutput output(args.at(3));
        return printCharacter(args.at(2), output, [] { return 0; });
    }
    if (mode == u"--preview"_s && (args.size() == 3 || args.size() == 4)) {
        PreviewOutput output(args.value(3));
        return printCharacter(args.at(2), output, [&output] { return output.pages; });
    }
    if (mode == u"--floor"_s && args.size() == 5)
        return floorOf(args.at(2).toInt(), args.at(3).toInt(), args.at(4));
    std::fprintf(stderr, "usage: see the head of print_cost.cpp\n");
    return 2;
}

const Benchmark benchmark{benchmarkMain};
