// Peak memory where a report or a character file could make it grow without bound: the preview
// against the PDF file of the same report (the default layout, and one with 1,000 page-number
// labels), Print to PDF of a layout naming one large image many times, and Open of a character
// file of empty lines against the file's size. Each figure is the peak resident set (VmHWM) of a
// fresh process, less what that process held before the measured step; the median of three.
//
//   bench_peaks [layout file] [runs]           the benchmark
//   bench_peaks --child KIND N [layout file]   one measurement (used by the benchmark itself)
#include "BenchSupport.h"
#include "common/QuillError.h"
#include "files/FileCommands.h"
#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/output/PdfReportOutput.h"
#include "print/report/output/ReportPrinting.h"
#include "print/report/windows/ReportPreviewDialog.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Shows the preview as the window does, turns to its second and third page, and closes.
class PreviewOutput : public ReportOutput
{
public:
    void run(const LayoutReport &report) override
    {
        QPrinter screen(QPrinter::HighResolution);
        screen.setFullPage(true);
        ReportPreviewDialog dialog(
            PreviewPages(*ReportPrinting::layOut(report, screen, {}), screen), nullptr);
        dialog.show();
        QCoreApplication::processEvents();
        auto *next = dialog.findChild<QPushButton *>(u"NextPageButton"_s);
        for (int turn = 0; turn < 2 && next->isEnabled(); ++turn) {
            next->click();
            QCoreApplication::processEvents();
        }
    }
};

void write(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

// The layout with `count` copies of `part` added to its page.
void writeLayout(const QString &from, const QString &to, const QByteArray &part, int count)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(from));
    QByteArray text = in.readAll();
    QByteArray parts;
    for (int i = 0; i < count; ++i)
        parts += QByteArray(part)
                     .replace("%x", QByteArray::number(5 + i % 25 * 8))
                     .replace("%y", QByteArray::number(5 + i / 25 * 7));
    write(to, text.replace("</page>", parts + "</page>"));
}

long resetPeak()
{
    const long held = statusKiB("VmRSS:");
    QFile reset(u"/proc/self/clear_refs"_s);
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1)
        qFatal("cannot reset the peak memory");
    return held;
}

void open(CharacterSheet &sheet, const QString &file)
{
    SilentPrompter prompter;
    FileCommands::load(sheet, file, prompter);
}

// Prints a character of `items` items to the preview or a PDF file with the layout in `folder`,
// and prints the peak and how far it is above what the process held before Print.
int printPeak(const QString &kind, int items, const QString &folder)
{
    CharacterSheet sheet;
    open(sheet, writeLargeCharacter(folder, items));
    const long held = resetPeak();
    SilentPrompter prompter;
    PdfReportOutput pdf(folder + u"/peak.pdf"_s);
    PreviewOutput preview;
    LayoutReportEngine engine(kind.startsWith(u"preview"_s) ? static_cast<ReportOutput &>(preview)
                                                            : pdf);
    SheetPrintout::print(sheet, engine, prompter, folder);
    const long peak = statusKiB("VmHWM:");
    std::printf("%ld %ld\n", peak, peak - held);
    return 0;
}

// Opens a file of `lines` items of `length` letters each between the seventeen values and the ten
// markers, in the window, and prints the peak and whether the file was refused.
int openPeak(int lines, int length, const QString &folder)
{
    const QString name = folder + u"/lines.qmc"_s;
    write(name, QByteArray("Name\n-1\n") + QByteArray("0\n").repeated(15) +
                    (QByteArray(length, 'x') + '\n').repeated(lines) +
                    QByteArray("*\n").repeated(10));
    TMainForm form;
    form.show();
    QCoreApplication::processEvents();
    const long held = resetPeak();
    QString refusal;
    try {
        open(form.sheet(), name);
    } catch (const QuillError &) {
        refusal = u" refused"_s;
    }
    QCoreApplication::processEvents();
    const long peak = statusKiB("VmHWM:");
    std::printf("%ld %ld%s\n", peak, peak - held, qPrintable(refusal));
    return 0;
}

int child(const QString &kind, int n, const QString &layout)
{
    QTemporaryDir folder;
    const QString sheetLayout = folder.filePath(u"qmsheet.rav"_s);
    if (kind.endsWith(u"labels"_s)) {
        writeLayout(layout, sheetLayout,
                    R"(<label x="%x" y="%y" width="8" height="5" size="5" text="{page}/{pages}"/>)",
                    1000);
    } else if (kind == u"images"_s) {
        QImage image(5500, 5500, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(folder.filePath(u"big.png"_s));
        writeLayout(layout, sheetLayout,
                    R"(<image x="%x" y="%y" width="8" height="5" source="big.png"/>)", n);
    } else {
        QFile::copy(layout, sheetLayout);
    }
    if (kind.startsWith(u"open"_s))
        return openPeak(n, kind == u"open"_s ? 0 : 60, folder.path());
    return printPeak(kind, kind == u"images"_s ? 100 : n, folder.path());
}

int runs = 3;

// A child's figures in MiB: its peak, and how far that is above what it held before the step.
struct Peak
{
    double total = 0;
    double above = 0;
    bool refused = false;
};

// The medians of the children's figures.
Peak measure(const QString &kind, int n, const QString &layout)
{
    QList<double> totals;
    QList<double> above;
    Peak peak;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(),
                      {u"--child"_s, kind, QString::number(n), layout});
        if (!process.waitForFinished(1800000) || process.exitCode() != 0)
            qFatal("the child %s %d failed: %s", qPrintable(kind), n,
                   process.readAllStandardError().constData());
        const QList<QByteArray> words = process.readAllStandardOutput().trimmed().split(' ');
        totals << words.value(0).toDouble() / 1024;
        above << words.value(1).toDouble() / 1024;
        peak.refused = words.value(2) == "refused";
    }
    std::sort(totals.begin(), totals.end());
    std::sort(above.begin(), above.end());
    peak.total = totals.at(runs / 2);
    peak.above = above.at(runs / 2);
    return peak;
}

void reportSeries(const QString &layout)
{
    std::printf("peak resident memory (VmHWM) of a fresh process in MiB, and in brackets how far "
                "it is\nabove what the process held before Print or Open; medians of %d runs:\n",
                runs);
    for (const QString &labels : {QString(), u" labels"_s}) {
        for (int items : {1000, 10000, 100000}) {
            const Peak pdf = measure(u"pdf"_s + labels, items, layout);
            const Peak preview = measure(u"preview"_s + labels, items, layout);
            std::printf("  %7d items%s: PDF file %7.1f (%6.1f) | preview %7.1f (%6.1f); preview "
                        "%.2f times the PDF\n",
                        items, labels.isEmpty() ? "" : ", 1,000 {page}/{pages} labels", pdf.total,
                        pdf.above, preview.total, preview.above, preview.total / pdf.total);
            std::fflush(stdout);
        }
    }
    for (int elements : {1, 10, 40}) {
        const Peak print = measure(u"images"_s, elements, layout);
        std::printf("  one 5,500 x 5,500 PNG named by %2d <image> elements, Print to PDF: %7.1f "
                    "(%6.1f)\n",
                    elements, print.total, print.above);
        std::fflush(stdout);
    }
    for (const auto &[kind, lines] :
         {std::pair{u"open"_s, 1'000'000}, {u"open"_s, 63'000'000}, {u"open-long"_s, 1'000'000}}) {
        const int length = kind == u"open"_s ? 0 : 60;
        const Peak open = measure(kind, lines, layout);
        const double size = (double(lines) * (length + 1) + 56) / 1048576.0;
        std::printf("  Open in the window, %d items of %d letters, %.1f MiB: %7.1f (%6.1f, %.1f "
                    "times the file)%s\n",
                    lines, length, size, open.total, open.above, open.above / size,
                    open.refused ? ", refused" : "");
        std::fflush(stdout);
    }
}

} // namespace

static int benchmarkMain(int, char **)
{
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 3 && args.at(1) == u"--child"_s)
        return child(args.at(2), args.at(3).toInt(),
                     args.size() > 4 ? args.at(4) : defaultLayout());
    if (args.size() > 2)
        runs = std::max(1, args.at(2).toInt());
    reportSeries(QFileInfo(args.size() > 1 ? args.at(1) : defaultLayout()).absoluteFilePath());
    return 0;
}

const Benchmark benchmark{benchmarkMain};
