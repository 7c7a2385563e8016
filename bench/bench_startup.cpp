// Times a whole start of the program's main window against a bare QMainWindow of the same size:
// from the start of a fresh process to its exit right after the window's first frame. The
// benchmark starts itself as the child for every run, so process start, library loading and
// the window system's set-up are all counted. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
//
// Wall time on a shared machine is noisy, so when valgrind is installed the benchmark also
// counts the instructions each kind of window executes up to its first frame (callgrind), and
// compares the main window with the same window built the plain way (StartupWindows.h).
//
//   bench_startup [--runs N] [--counted-runs N]   the benchmark (--counted-runs 0: no callgrind)
//   bench_startup --child KIND [--exit-at-frame]  one run (used by the benchmark itself);
//       KIND is main, bare, text, obvious or lean; german and english are the main window
//       with the program's language step on a German and an English desktop
//   bench_startup --child KIND --grab STEM        pictures of the window's pages, STEM-N.png

#include "BenchSupport.h"
#include "StartupWindows.h"
#include "common/Translations.h"
#include "shell/cMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QElapsedTimer sinceMain;

// Reports how long after main() the run reached a point, in milliseconds.
void mark(const char *point)
{
    std::printf("%s=%.3f\n", point, double(sinceMain.nsecsElapsed()) / 1e6);
}

// Ends the run once the first frame of the window is complete: the paint pass that delivers
// the first paint event runs to its end before the posted exit is taken.
// With exitAtFrame the process ends there at once, so that an instruction count stops at the
// first frame and leaves the window's destruction out.
class FirstPaintExit : public QObject
{
public:
    explicit FirstPaintExit(bool exitAtFrame) : m_exitAtFrame(exitAtFrame) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [this] {
                mark("frame");
                std::printf("cpu=%.3f\n", 1000.0 * double(std::clock()) / CLOCKS_PER_SEC);
                if (m_exitAtFrame) {
                    std::fflush(stdout);
                    _exit(0);
                }
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_exitAtFrame;
    bool m_seen = false;
};

// The floor that every window with a menu and text pays on top of a bare one: the font
// database, the menu bar's own icons and the first text layout.
void addMenuAndText(QMainWindow *window)
{
    window->menuBar()->addMenu(u"&File"_s)->addAction(u"E&xit"_s);
    window->menuBar()->addMenu(u"&Help"_s)->addAction(u"&About"_s);
    window->setCentralWidget(new QLabel(u"Character Name:"_s));
    window->statusBar();
}

// Saves a picture of the window with every page of every page control in front in turn, as
// STEM-1.png, STEM-2.png ..., so that two builds of the window can be compared by eye.
void grabPages(QMainWindow *window, const QString &stem)
{
    int shot = 0;
    const auto save = [&] {
        const QString file = u"%1-%2.png"_s.arg(stem).arg(++shot);
        if (!window->grab().save(file))
            qFatal("cannot write %s", qPrintable(file));
    };
    for (QTabWidget *pages : window->findChildren<QTabWidget *>()) {
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            save();
        }
        pages->setCurrentIndex(0);
    }
}

int runChild(int argc, char **argv, const QString &kind, QSize size, bool exitAtFrame,
             const QString &grabStem)
{
    QApplication app(argc, argv);
    mark("application");
    std::unique_ptr<QMainWindow> window;
    // As the program starts: the desktop's language is installed before the window is built.
    if (kind == u"german"_s || kind == u"english"_s)
        Translations::install(Translations::desktopLanguage());
    if (kind == u"main"_s || kind == u"german"_s || kind == u"english"_s) {
        window = std::make_unique<TMainForm>();
    } else if (kind == u"obvious"_s) {
        window.reset(buildStartupWindow(StartupWindowKind::Obvious));
    } else if (kind == u"lean"_s) {
        window.reset(buildStartupWindow(StartupWindowKind::Lean));
    } else {
        window = std::make_unique<QMainWindow>();
        if (kind == u"text"_s)
            addMenuAndText(window.get());
        window->setFixedSize(size);
    }
    mark("built");
    if (!grabStem.isEmpty()) {
        window->show();
        QCoreApplication::processEvents();
        grabPages(window.get(), grabStem);
        return 0;
    }
    FirstPaintExit filter(exitAtFrame);
    window->installEventFilter(&filter);
    window->show();
    mark("shown");
    std::printf("size=%dx%d\n", window->width(), window->height());
    return app.exec();
}

struct Run
{
    double wallMs = 0;               // process start to exit, seen from outside
    QHash<QByteArray, double> marks; // points reached inside, ms after main(); cpu: processor time
    QSize size;
};

QStringList childArguments(const QString &kind, QSize size)
{
    QStringList args{u"--child"_s, kind};
    if (size.isValid())
        args << u"--size"_s << u"%1x%2"_s.arg(size.width()).arg(size.height());
    return args;
}

// Starts a child in the benchmark's folder (the main window stores its settings file there) and
// waits for its normal end.
void runChildProcess(QProcess &child, const QString &program, const QStringList &args,
                     const QString &folder, const QString &kind)
{
    child.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"LANGUAGE"_s);
    environment.insert(u"LC_ALL"_s, kind == u"german"_s ? u"de_DE.UTF-8"_s : u"en_US.UTF-8"_s);
    if (!environment.contains(u"XDG_RUNTIME_DIR"_s))
        environment.insert(u"XDG_RUNTIME_DIR"_s, folder); // private to this user, as it must be
    child.setProcessEnvironment(environment);
    child.start(program, args);
    if (!child.waitForFinished(300000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        qFatal("the %s child failed: %s", qPrintable(kind),
               child.readAllStandardError().right(2000).constData());
}

Run runOnce(const QString &kind, QSize size, const QString &folder)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer wall;
    wall.start();
    runChildProcess(child, QCoreApplication::applicationFilePath(), childArguments(kind, size),
                    folder, kind);
    Run run;
    run.wallMs = double(wall.nsecsElapsed()) / 1e6;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith("size=")) {
            const QList<QByteArray> wh = line.mid(5).split('x');
            run.size = QSize(wh.value(0).toInt(), wh.value(1).toInt());
        } else if (equals > 0) {
            run.marks.insert(line.left(equals), line.mid(equals + 1).toDouble());
        }
    }
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Series
{
    std::vector<double> wall;
    std::map<QByteArray, std::vector<double>> marks;

    void add(const Run &run)
    {
        wall.push_back(run.wallMs);
        for (auto it = run.marks.cbegin(); it != run.marks.cend(); ++it)
            marks[it.key()].push_back(it.value());
    }
    double at(const char *point) const { return median(marks.at(point)); }
    void print(const char *name) const
    {
        std::printf("  %-22s %10.1f ms %14.1f ms %16.1f ms\n", name, median(wall), at("frame"),
                    at("cpu"));
    }
    void printRatio(const char *name, const Series &base) const
    {
        std::printf("  %-22s %13.2f %17.2f %19.2f\n", name, median(wall) / median(base.wall),
                    at("frame") / base.at("frame"), at("cpu") / base.at("cpu"));
    }
    void printPhases(const char *name) const
    {
        std::printf("  %s, ms after main(): application %.1f, window built %.1f, shown %.1f, "
                    "first frame %.1f\n",
                    name, at("application"), at("built"), at("shown"), at("frame"));
    }
};

// Instructions that one child executes from its start to its first frame, as callgrind counts
// them: the count does not depend on the machine's load.
double countInstructions(const QString &valgrind, const QString &kind, QSize size,
                         const QString &folder)
{
    QProcess child;
    QStringList args{u"--tool=callgrind"_s, u"--callgrind-out-file=/dev/null"_s,
                     QCoreApplication::applicationFilePath()};
    args << childArguments(kind, size) << u"--exit-at-frame"_s;
    runChildProcess(child, valgrind, args, folder, kind);
    static const QRegularExpression collected(u"Collected : (\\d+)"_s);
    const QRegularExpressionMatch match =
        collected.match(QString::fromLocal8Bit(child.readAllStandardError()));
    if (!match.hasMatch())
        qFatal("callgrind gave no count for the %s child", qPrintable(kind));
    return match.captured(1).toDouble();
}

void reportInstructions(int runs, QSize size, const QString &folder)
{
    const QString valgrind = QStandardPaths::findExecutable(u"valgrind"_s);
    if (runs <= 0 || valgrind.isEmpty()) {
        std::printf("instruction counts skipped: %s\n",
                    runs <= 0 ? "--counted-runs 0" : "valgrind is not installed");
        return;
    }
    struct Kind
    {
        QString name;
        const char *title;
        std::vector<double> counts;
    };
    Kind kinds[] = {{u"main"_s, "TMainForm", {}},
                    {u"obvious"_s, "obvious build", {}},
                    {u"english"_s, "TMainForm, English", {}},
                    {u"german"_s, "TMainForm, German", {}},
                    {u"lean"_s, "lean build", {}},
                    {u"text"_s, "menu bar and one label", {}},
                    {u"bare"_s, "bare QMainWindow", {}}};
    for (int i = 0; i < runs; ++i) {
        for (Kind &kind : kinds) {
            const bool sized = kind.name == u"bare"_s || kind.name == u"text"_s;
            kind.counts.push_back(
                countInstructions(valgrind, kind.name, sized ? size : QSize(), folder));
        }
    }
    const double obvious = median(kinds[1].counts);
    const double bare = median(kinds[6].counts);
    std::printf("\ninstructions from process start to the first frame (callgrind), medians of %d "
                "runs each:\n",
                runs);
    std::printf("  %-22s %12s %17s %14s\n", "", "millions", "ratio to obvious", "ratio to bare");
    for (const Kind &kind : kinds) {
        const double count = median(kind.counts);
        std::printf("  %-22s %12.1f %17.3f %14.2f\n", kind.title, count / 1e6, count / obvious,
                    count / bare);
    }
    std::printf("  (target: TMainForm at most the obvious build, which builds the same controls "
                "with fonts by name and SVG images)\n");
    const double english = median(kinds[2].counts);
    std::printf("  German to English %.4f, English to no language step %.4f (target: German at "
                "most 1.03 times English)\n",
                median(kinds[3].counts) / english, english / median(kinds[0].counts));
}

int runBenchmark(int argc, char **argv, int runs, int countedRuns)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    Series main, bare, text;
    QSize size;
    // Interleaving the kinds spreads any drift of the machine over all of them.
    for (int i = 0; i < runs; ++i) {
        const Run mainRun = runOnce(u"main"_s, {}, folder.path());
        size = mainRun.size;
        const Run bareRun = runOnce(u"bare"_s, size, folder.path());
        const Run textRun = runOnce(u"text"_s, size, folder.path());
        if (bareRun.size != size || textRun.size != size)
            qFatal("a baseline window is not the main window's size");
        main.add(mainRun);
        bare.add(bareRun);
        text.add(textRun);
    }
    std::printf("start-up on platform %s, window %dx%d, medians of %d runs each:\n",
                qgetenv("QT_QPA_PLATFORM").constData(), size.width(), size.height(), runs);
    std::printf("  %-22s %13s %17s %19s\n", "", "start to exit", "main() to frame",
                "processor time");
    main.print("TMainForm");
    bare.print("bare QMainWindow");
    text.print("menu bar and one label");
    main.printRatio("ratio to bare", bare);
    main.printRatio("ratio to menu and label", text);
    main.printPhases("TMainForm");
    bare.printPhases("bare QMainWindow");
    std::printf("  (target: TMainForm at most 1.5 times the bare window)\n");
    reportInstructions(countedRuns, size, folder.path());
    return 0;
}

QSize parseSize(const QString &text)
{
    const QStringList wh = text.split(u'x');
    return wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
}

} // namespace

static int benchmarkMain(int argc, char **argv)
{
    sinceMain.start();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption child(
        u"child"_s, u"One run: main, german, english, bare, text, obvious or lean."_s, u"kind"_s);
    const QCommandLineOption size(u"size"_s, u"The bare window's size, WxH."_s, u"size"_s);
    const QCommandLineOption runs(u"runs"_s, u"Timed runs of each kind."_s, u"n"_s, u"15"_s);
    const QCommandLineOption countedRuns(u"counted-runs"_s, u"Runs of each kind under callgrind."_s,
                                         u"n"_s, u"3"_s);
    const QCommandLineOption exitAtFrame(u"exit-at-frame"_s, u"End the run at its first frame."_s);
    const QCommandLineOption grab(u"grab"_s, u"Save pictures of every page as STEM-N.png."_s,
                                  u"stem"_s);
    parser.addOptions({child, size, runs, countedRuns, exitAtFrame, grab});
    parser.parse(arguments);
    if (!parser.isSet(child))
        return runBenchmark(argc, argv, std::max(1, parser.value(runs).toInt()),
                            parser.value(countedRuns).toInt());
    return runChild(argc, argv, parser.value(child), parseSize(parser.value(size)),
                    parser.isSet(exitAtFrame), parser.value(grab));
}

const Benchmark benchmark{benchmarkMain, true};
