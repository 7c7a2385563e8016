// The whole Print of a character into a PDF file: load the layout, fill it, render and write.
// First a filled sheet of one page, then characters of 1,000, 10,000 and 100,000 items against
// Open of the same character file, then the memory during Print against the memory after Open
// (each size in a fresh process; the benchmark starts itself as the child). Beside each size's
// PDF, the same character exported as JSON, Markdown and plain text.
//
//   bench_print [layout file] [runs] [keep PDF as]
//   bench_print --memory N [layout file]      one memory measurement (used by the benchmark)
#include "BenchSupport.h"
#include "common/Prompter.h"
#include "export/SheetExports.h"
#include "files/CharacterFile.h"
#include "files/FileCommands.h"
#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/output/PdfReportOutput.h"
#include "sheet/CharacterSheet.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

void fill(CharacterSheet &sheet)
{
    const QList<std::pair<SheetValue, QString>> values = {
        {SheetValue::CharacterName, u"Seraphine Ashgrove"_s},
        {SheetValue::ChoirBand, u"Seraphim"_s},
        {SheetValue::Superior, u"Gabriel, Archangel of Fire"_s},
        {SheetValue::Corporeal, u"2"_s},
        {SheetValue::Strength, u"5"_s},
        {SheetValue::Agility, u"3"_s},
        {SheetValue::Ethereal, u"3"_s},
        {SheetValue::Intelligence, u"7"_s},
        {SheetValue::Precision, u"5"_s},
        {SheetValue::Celestial, u"4"_s},
        {SheetValue::Will, u"9"_s},
        {SheetValue::Perception, u"7"_s},
        {SheetValue::MindHits, u"21"_s},
        {SheetValue::SoulHits, u"36"_s},
    };
    for (const auto &[value, text] : values)
        sheet.setText(value, text);
    sheet.setItems(SheetList::ChoirBandAttunements, {u"Seraphim Attunement of Truth"_s});
    sheet.setItems(SheetList::SuperiorAttunements, {u"Seraph of the Sword"_s});
    sheet.setItems(SheetList::Distinctions, {u"Friend of the Flame"_s});
    sheet.setItems(SheetList::Songs,
                   {u"Ethereal Song of Charm ,Level:2"_s, u"Celestial Song of Light ,Level:3"_s,
                    u"Corporeal Song of Healing ,Level:1"_s});
    sheet.setItems(SheetList::Skills,
                   {u"Swimming Level:3"_s, u"Fast-Talk Level:2"_s, u"Knife Fighting Level:1"_s});
    sheet.setItems(SheetList::Vessels, {u"Human ,Body Hits:12 ,Charisma:1 Level:2 Cost:8"_s});
    sheet.setItems(SheetList::Roles, {u"Bartender, Level:2, Status:3, Cost:3"_s});
    sheet.setItems(SheetList::Servants, {u"Hound, Level:3, Class:1, Cost:2"_s});
    sheet.setItems(SheetList::Artifacts,
                   {u"Celestial Artifact of Lamp ,Level:2 ,Modifier:-1 ,Cost:5"_s});
    sheet.setItems(SheetList::Discords, {u"Corporeal Discord of Limp ,Level:2 ,Cost:6"_s});
}

void open(CharacterSheet &sheet, const QString &file, int items)
{
    SilentPrompter prompter;
    FileCommands::load(sheet, file, prompter);
    if (sheet.itemCount(SheetList::Songs) != items / SheetListCount)
        qFatal("the character was not opened");
}

int pagesOf(const QString &pdf)
{
    QProcess info;
    info.start(u"pdfinfo"_s, {pdf});
    info.waitForFinished(60000);
    for (const QByteArray &line : info.readAllStandardOutput().split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The process's CPU time: less disturbed than the wall clock by other work on a shared machine.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

QString thousands(int n)
{
    return QLocale(QLocale::English).toString(n);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Each export of the same character, written to a file, against the PDF's medians: the wall
// clock and the CPU time, which a busy machine disturbs less.
void exportSeries(const CharacterSheet &sheet, const QString &folder, int runs, double pdfMs,
                  double pdfCpuMs)
{
    using SheetExports::Format;
    for (Format format : {Format::Json, Format::Markdown, Format::Text}) {
        const QString name = folder + u"/series."_s + SheetExports::extension(format);
        qint64 bytes = 0;
        QList<double> cpu;
        const double ms = medianMs(runs, [&] {
            const double start = cpuMs();
            QFile out(name);
            const QByteArray text = SheetExports::write(format, sheet);
            if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
                qFatal("cannot write %s", qPrintable(name));
            out.close();
            bytes = text.size();
            cpu << cpuMs() - start;
        });
        std::printf("    export to %s (%.2f MiB): median %.1f ms, %.1f %% of the PDF's; CPU time "
                    "median %.1f ms, %.1f %% of the PDF's (target < 10 %%)\n",
                    qPrintable(SheetExports::extension(format)), double(bytes) / (1 << 20), ms,
                    100 * ms / pdfMs, median(cpu), 100 * median(cpu) / pdfCpuMs);
    }
    std::fflush(stdout);
}

void printSeries(const QString &folder)
{
    for (int items : {1000, 10000, 100000}) {
        const QString file = writeLargeCharacter(folder, items);
        const int runs = items >= 100000 ? 5 : items >= 10000 ? 9 : 15;
        CharacterSheet sheet;
        const double opened = medianMs(runs, [&] { open(sheet, file, items); });
        const QString pdf = folder + u"/series.pdf"_s;
        PdfReportOutput output(pdf);
        SilentPrompter prompter;
        QList<double> cpu;
        const double printed = medianMs(runs, [&] {
            const double start = cpuMs();
            LayoutReportEngine engine(output);
            SheetPrintout::print(sheet, engine, prompter, folder);
            cpu << cpuMs() - start;
        });
        std::sort(cpu.begin(), cpu.end());
        std::printf("print to PDF, %s items: median %.1f ms\n", qPrintable(thousands(items)),
                    printed);
        std::printf("    %d pages; CPU time median %.1f ms; baseline Open of the same file: median "
                    "%.1f ms\n",
                    pagesOf(pdf), cpu.at(cpu.size() / 2), opened);
        std::fflush(stdout);
        exportSeries(sheet, folder, runs, printed, median(cpu));
    }
}

// Opens a character of `items` items, then prints it; reports the resident memory after Open and
// the peak during Print (the peak is reset after Open).
int memoryChild(int items, const QString &layout)
{
    QTemporaryDir folder;
    if (!QFile::copy(layout, folder.filePath(u"qmsheet.rav"_s)))
        qFatal("cannot copy the layout");
    CharacterSheet sheet;
    open(sheet, writeLargeCharacter(folder.path(), items), items);
    const long afterOpen = statusKiB("VmRSS:");
    QFile reset(u"/proc/self/clear_refs"_s);
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1)
        qFatal("cannot reset the peak memory");
    reset.close();
    PdfReportOutput output(folder.filePath(u"memory.pdf"_s));
    SilentPrompter prompter;
    LayoutReportEngine engine(output);
    SheetPrintout::print(sheet, engine, prompter, folder.path());
    std::printf("%ld %ld\n", afterOpen, statusKiB("VmHWM:"));
    return 0;
}

void memorySeries(const QString &layout)
{
    for (int items : {1000, 10000, 100000}) {
        QList<double> open;
        QList<double> print;
        for (int run = 0; run < 3; ++run) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        {u"--memory"_s, QString::number(items), layout});
            if (!child.waitForFinished(600000) || child.exitCode() != 0)
                qFatal("the memory child failed");
            const QList<QByteArray> kib = child.readAllStandardOutput().trimmed().split(' ');
            open << kib.value(0).toDouble() / 1024;
            print << kib.value(1).toDouble() / 1024;
        }
        std::sort(open.begin(), open.end());
        std::sort(print.begin(), print.end());
        std::printf("memory, %s items: after Open median %.1f MiB, peak during Print median %.1f "
                    "MiB (%.2f times; target at most 2)\n",
                    qPrintable(thousands(items)), open.at(1), print.at(1),
                    print.at(1) / open.at(1));
        std::fflush(stdout);
    }
}

} // namespace

static int benchmarkMain(int, char **)
{
    QStringList args = QCoreApplication::arguments();
    if (args.size() > 2 && args.at(1) == u"--memory"_s)
        return memoryChild(args.at(2).toInt(), args.size() > 3 ? args.at(3) : defaultLayout());
    const QString layout = args.size() > 1 ? args.at(1) : defaultLayout();
    const int runs = args.size() > 2 ? args.at(2).toInt() : 21;

    QTemporaryDir folder;
    if (!QFile::copy(layout, folder.filePath(u"qmsheet.rav"_s))) {
        std::fprintf(stderr, "cannot copy the layout %s\n", qPrintable(layout));
        return 1;
    }
    const QString pdf = folder.filePath(u"sheet.pdf"_s);
    CharacterSheet sheet;
    fill(sheet);
    SilentPrompter prompter;
    PdfReportOutput output(pdf);
    QList<double> times;
    for (int i = 0; i < std::max(1, runs); ++i) {
        QElapsedTimer timer;
        timer.start();
        LayoutReportEngine engine(output);
        SheetPrintout::print(sheet, engine, prompter, folder.path());
        times << timer.nsecsElapsed() / 1e6;
    }
    if (output.runs() != times.size()) {
        std::fprintf(stderr, "the report did not run every time\n");
        return 1;
    }
    // The first run also loads the fonts, as the first Print of a session does.
    const double first = times.constFirst();
    std::sort(times.begin(), times.end());
    std::printf(
        "Print of a filled sheet to PDF: median %.1f ms over %lld runs (min %.1f, max %.1f, "
        "first %.1f; target < 300 ms)\n",
        times.at(times.size() / 2), qlonglong(times.size()), times.constFirst(), times.constLast(),
        first);
    if (args.size() > 3)
        QFile::copy(pdf, args.at(3));
    std::fflush(stdout);
    printSeries(folder.path());
    memorySeries(QFileInfo(layout).absoluteFilePath());
    return 0;
}

const Benchmark benchmark{benchmarkMain};
