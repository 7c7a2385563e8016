// quillmark --pdf of 100 characters of 50 items each into a folder, against Open of the same
// 100 files: once inside this process (read, print, write each PDF) and once as the real
// program started for the whole run (start-up included).
//
//   bench_pdf_command [layout file] [runs]
#include "BenchSupport.h"
#include "cli/Batch.h"
#include "cli/CommandLine.h"
#include "files/FileCommands.h"
#include "sheet/CharacterSheet.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int characters = 100;
constexpr int itemsEach = 50;

QStringList writeCharacters(const QString &folder)
{
    const QString one = writeLargeCharacter(folder, itemsEach);
    QStringList files;
    for (int i = 0; i < characters; ++i) {
        files << QDir(folder).filePath(u"hero%1.qmc"_s.arg(i, 3, 10, QChar(u'0')));
        if (!QFile::copy(one, files.constLast()))
            qFatal("cannot copy %s", qPrintable(one));
    }
    QFile::remove(one);
    return files;
}

void emptyFolder(const QString &out)
{
    QDir(out).removeRecursively();
    QDir().mkdir(out);
}

double cpuMs(bool children)
{
    rusage usage{};
    ::getrusage(children ? RUSAGE_CHILDREN : RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Timing
{
    double wallMs;
    double cpuMs;
};

// Medians of the wall-clock and the processor time of `runs` runs into an emptied folder; the
// processor time is this process's or, with `children`, that of the programs it started.
Timing medians(int runs, const QString &out, bool children, const std::function<void()> &run)
{
    std::vector<double> walls, cpus;
    for (int i = 0; i < runs; ++i) {
        emptyFolder(out);
        const double cpuBefore = cpuMs(children);
        QElapsedTimer timer;
        timer.start();
        run();
        walls.push_back(timer.nsecsElapsed() / 1e6);
        cpus.push_back(cpuMs(children) - cpuBefore);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

void checkPdfs(const QString &out)
{
    if (QDir(out).entryList({u"*.pdf"_s}, QDir::Files).size() != characters)
        qFatal("not every PDF was written into %s", qPrintable(out));
    QDir(out).removeRecursively();
}

} // namespace

static int benchmarkMain(int, char **)
{
    const QStringList args = QCoreApplication::arguments();
    const QString built = QCoreApplication::applicationDirPath() + u"/../../data/qmsheet.rav"_s;
    const QString layout = args.value(1, QFile::exists(built) ? built : u"data/qmsheet.rav"_s);
    const int runs = std::max(1, args.value(2, u"7"_s).toInt());
    const QString programPath = QCoreApplication::applicationDirPath() + u"/../src/quillmark"_s;

    QTemporaryDir folder;
    const QString out = folder.filePath(u"out"_s);
    const QStringList files = writeCharacters(folder.path());
    if (!QFile::copy(layout, folder.filePath(u"qmsheet.rav"_s)))
        qFatal("cannot copy the layout %s", qPrintable(layout));
    QDir::setCurrent(folder.path());

    SilentPrompter prompter;
    const double open = medianMs(runs, [&] {
        for (const QString &file : files) {
            CharacterSheet sheet;
            FileCommands::load(sheet, file, prompter);
        }
    });
    const CommandLine::Request request{.files = files, .pdf = out, .pdfIntoFolder = true};
    const Timing inProcess = medians(runs, out, false, [&] {
        if (Batch::run(request) != 0)
            qFatal("--pdf failed");
    });
    checkPdfs(out);
    const Timing program = medians(runs, out, true, [&] {
        if (QProcess::execute(programPath, QStringList{u"--pdf"_s, out} + files) != 0)
            qFatal("%s --pdf failed", qPrintable(programPath));
    });
    checkPdfs(out);
    std::printf("--pdf of %d characters of %d items each into a folder, medians of %d runs\n"
                "(wall-clock, then processor time; baseline Open of the same files):\n",
                characters, itemsEach, runs);
    const auto line = [open](const char *what, const Timing &t) {
        std::printf("  %-34s %7.1f ms, processor %7.1f ms: %5.2f ms a file, %4.0f times Open\n",
                    what, t.wallMs, t.cpuMs, t.wallMs / characters, t.wallMs / open);
    };
    line("inside this process", inProcess);
    line("the program, start-up included", program);
    std::printf("  baseline Open of the same files    %7.1f ms: %5.3f ms a file\n", open,
                open / characters);
    return 0;
}

const Benchmark benchmark{benchmarkMain};
