// The peak memory of the running program: the main window shown with an empty character, and
// with a character of 100,000 items opened through the files module, against a bare QMainWindow
// of the same size. Each measurement is a fresh process (the benchmark starts itself as the
// child), which shows its window, lets the first frame be drawn and reports its peak resident
// set (VmHWM in /proc/self/status). Runs on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.
//
//   bench_memory [--runs N]                   the benchmark
//   bench_memory --child bare|empty|large     one measurement (used by the benchmark itself)

#include "BenchSupport.h"
#include "common/Prompter.h"
#include "files/CharacterFile.h"
#include "files/FileCommands.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int largeItems = 100000;

int runChild(int argc, char **argv, const QString &kind, const QString &file, QSize size)
{
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> window;
    if (kind == u"bare"_s) {
        window = std::make_unique<QMainWindow>();
        window->setFixedSize(size);
    } else {
        window = std::make_unique<TMainForm>();
    }
    window->show();
    // As a user would: the window is up first, then the character is opened; the peak is read
    // once the frames after both have been drawn.
    QTimer::singleShot(0, &app, [&] {
        if (kind == u"large"_s) {
            auto *form = static_cast<TMainForm *>(window.get());
            SilentPrompter prompter;
            FileCommands::load(form->sheet(), file, prompter);
            if (form->sheet().itemCount(SheetList::Songs) != largeItems / SheetListCount)
                qFatal("the large character was not opened");
        }
        QTimer::singleShot(50, &app, [&] {
            std::printf("peak=%ld\nrss=%ld\nsize=%dx%d\n", statusKiB("VmHWM:"), statusKiB("VmRSS:"),
                        window->width(), window->height());
            QCoreApplication::exit(0);
        });
    });
    return app.exec();
}

struct Measurement
{
    long peakKiB = 0;
    long rssKiB = 0;
    QSize size;
};

Measurement measureOnce(const QString &kind, const QString &file, QSize size, const QString &folder)
{
    QProcess child;
    child.setWorkingDirectory(folder); // the main window stores its settings file there
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(u"XDG_RUNTIME_DIR"_s))
        environment.insert(u"XDG_RUNTIME_DIR"_s, folder);
    child.setProcessEnvironment(environment);
    QStringList args{u"--child"_s, kind, u"--file"_s, file};
    if (size.isValid())
        args << u"--size"_s << u"%1x%2"_s.arg(size.width()).arg(size.height());
    child.start(QCoreApplication::applicationFilePath(), args);
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        qFatal("the %s child failed", qPrintable(kind));
    Measurement m;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("peak="))
            m.peakKiB = line.mid(5).toLong();
        else if (line.startsWith("rss="))
            m.rssKiB = line.mid(4).toLong();
        else if (line.startsWith("size=")) {
            const QList<QByteArray> wh = line.mid(5).split('x');
            m.size = QSize(wh.value(0).toInt(), wh.value(1).toInt());
        }
    }
    if (m.peakKiB <= 0)
        qFatal("the %s child reported no peak", qPrintable(kind));
    return m;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int runBenchmark(int argc, char **argv, int runs)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString file = writeLargeCharacter(folder.path(), largeItems);
    std::map<QString, std::vector<double>> peaks;
    QSize size;
    // Interleaved, so that any drift of the machine falls on all three alike.
    for (int i = 0; i < runs; ++i) {
        const Measurement empty = measureOnce(u"empty"_s, file, {}, folder.path());
        size = empty.size;
        const Measurement bare = measureOnce(u"bare"_s, file, size, folder.path());
        if (bare.size != size)
            qFatal("the bare window is not the main window's size");
        peaks[u"empty"_s].push_back(double(empty.peakKiB) / 1024);
        peaks[u"bare"_s].push_back(double(bare.peakKiB) / 1024);
        peaks[u"large"_s].push_back(
            double(measureOnce(u"large"_s, file, {}, folder.path()).peakKiB) / 1024);
    }
    const double bare = median(peaks[u"bare"_s]);
    const double empty = median(peaks[u"empty"_s]);
    const double large = median(peaks[u"large"_s]);
    std::printf("peak resident memory (VmHWM) of a fresh process after its window's first frame,\n"
                "platform %s, window %dx%d, medians of %d runs each:\n",
                qgetenv("QT_QPA_PLATFORM").constData(), size.width(), size.height(), runs);
    std::printf("  %-44s %9s %14s\n", "", "peak MiB", "ratio to bare");
    std::printf("  %-44s %9.1f %14.2f\n", "bare QMainWindow (baseline)", bare, 1.0);
    std::printf("  %-44s %9.1f %14.2f\n", "TMainForm, empty character", empty, empty / bare);
    std::printf("  %-44s %9.1f %14.2f\n", "TMainForm, 100,000-item character opened", large,
                large / bare);
    std::printf("  100,000 items cost %.1f MiB above the empty window (%.0f bytes per item);\n"
                "  the character file is %.1f MiB.\n",
                large - empty, (large - empty) * 1024 * 1024 / largeItems,
                double(QFile(file).size()) / 1024 / 1024);
    return 0;
}

} // namespace

static int benchmarkMain(int argc, char **argv)
{
    QString kind, file;
    QSize size;
    int runs = 7;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray option = argv[i];
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (option == "--child")
            kind = value;
        else if (option == "--file")
            file = value;
        else if (option == "--runs")
            runs = std::max(1, value.toInt());
        else if (option == "--size")
            size = QSize(value.section(u'x', 0, 0).toInt(), value.section(u'x', 1, 1).toInt());
    }
    if (!kind.isEmpty())
        return runChild(argc, argv, kind, file, size);
    return runBenchmark(argc, argv, runs);
}

const Benchmark benchmark{benchmarkMain, true};
