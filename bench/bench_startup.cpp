// Times a whole start of the program's main window against a bare QMainWindow of the same size:
// from the start of a fresh process to its exit right after the window's first frame. The
// benchmark starts itself as the child for every run, so process start, library loading and
// the window system's set-up are all counted. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
//
//   bench_startup [--runs N]          the benchmark
//   bench_startup --child main|bare|text   one run (used by the benchmark itself)

#include "shell/cMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
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
class FirstPaintExit : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                mark("frame");
                std::printf("cpu=%.3f\n", 1000.0 * double(std::clock()) / CLOCKS_PER_SEC);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
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

int runChild(int argc, char **argv, const QString &kind, QSize size)
{
    QApplication app(argc, argv);
    mark("application");
    std::unique_ptr<QMainWindow> window;
    if (kind == u"main"_s) {
        window = std::make_unique<TMainForm>();
    } else {
        window = std::make_unique<QMainWindow>();
        if (kind == u"text"_s)
            addMenuAndText(window.get());
        window->setFixedSize(size);
    }
    mark("built");
    FirstPaintExit filter;
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

Run runOnce(const QString &kind, QSize size, const QString &folder)
{
    QProcess child;
    child.setWorkingDirectory(folder); // the main window stores its settings file there
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(u"XDG_RUNTIME_DIR"_s))
        environment.insert(u"XDG_RUNTIME_DIR"_s, folder); // private to this user, as it must be
    child.setProcessEnvironment(environment);
    QStringList args{u"--child"_s, kind};
    if (size.isValid())
        args << u"--size"_s << u"%1x%2"_s.arg(size.width()).arg(size.height());
    QElapsedTimer wall;
    wall.start();
    child.start(QCoreApplication::applicationFilePath(), args);
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        qFatal("the %s child failed", qPrintable(kind));
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

int runBenchmark(int argc, char **argv, int runs)
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
    return 0;
}

QSize parseSize(const QString &text)
{
    const QStringList wh = text.split(u'x');
    return wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
}

} // namespace

int main(int argc, char **argv)
{
    sinceMain.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption child(u"child"_s, u"One run: main, bare or text."_s, u"kind"_s);
    const QCommandLineOption size(u"size"_s, u"The bare window's size, WxH."_s, u"size"_s);
    const QCommandLineOption runs(u"runs"_s, u"Runs of each kind."_s, u"n"_s, u"15"_s);
    parser.addOptions({child, size, runs});
    parser.parse(arguments);
    if (!parser.isSet(child))
        return runBenchmark(argc, argv, std::max(1, parser.value(runs).toInt()));
    return runChild(argc, argv, parser.value(child), parseSize(parser.value(size)));
}
