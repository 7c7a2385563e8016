// A character file whose type line is 1, 2 or 20 million digits, or whose name is 20 million
// letters: the time from File > Open being given the name to the error box on screen (or, for a
// file that opens, to the window drawn with it), the memory Open takes above the empty window, and
// the time and peak memory of `quillmark --pdf` on it. Each measurement is a fresh process (the
// benchmark starts itself as the child), so that its peak resident set is its own.
//
//   bench_long_value [runs] [program]    the benchmark; program defaults to the built quillmark
//   bench_long_value --child FILE        one window measurement (used by the benchmark itself)
#include "BenchSupport.h"
#include "shell/cMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum class LongLine
{
    Type,
    Name,
    Largest // every value at its limit, and 1,000,000 items filling the file to its limit
};

// The largest character file Open takes: each of the 16 values at the value limit, 1,000,000
// items of 63 letters; 66.6 MB, under the file limit of 64 MiB.
QByteArray largestCharacter()
{
    const QByteArray value = QByteArray(100'000, '7') + "\r\n";
    QByteArray bytes = value + "0\r\n" + value.repeated(15);
    const QByteArray items = (QByteArray(63, 'x') + "\r\n").repeated(100'000) + "*\r\n";
    bytes.reserve(bytes.size() + 10 * items.size());
    for (int list = 0; list < 10; ++list)
        bytes += items;
    return bytes;
}

QString writeLongLine(const QString &folder, LongLine line, qint64 length)
{
    const QString name = folder + u"/long.qmc"_s;
    QFile out(name);
    QByteArray bytes;
    if (line == LongLine::Largest)
        bytes = largestCharacter();
    else if (line == LongLine::Type)
        bytes = "Long\n" + QByteArray(qsizetype(length), '9') + "\n";
    else
        bytes = QByteArray(qsizetype(length), 'a') + "\r\n0\r\n" +
                QByteArray("0\r\n").repeated(15) + QByteArray("*\r\n").repeated(10);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return name;
}

// Shows the window, opens the file and prints "<ms to the box> <KiB above the window> <length
// of the box's text>". The file is written by the parent, so that its bytes count for nothing.
int child(const QString &file)
{
    TMainForm form;
    form.show();
    QCoreApplication::processEvents();
    const long before = statusKiB("VmRSS:");
    QElapsedTimer timer;
    double ms = -1;
    qsizetype length = -1;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ms = double(timer.nsecsElapsed()) / 1e6;
        length = box->text().size();
        poll.stop();
        box->close();
    });
    poll.start();
    timer.start();
    form.openCharacterFile(file);
    if (ms < 0) {
        // Opened without a message: until the window has been drawn with the character.
        QCoreApplication::processEvents();
        ms = double(timer.nsecsElapsed()) / 1e6;
    }
    std::printf("%.1f %ld %lld\n", ms, statusKiB("VmHWM:") - before,
                static_cast<long long>(length));
    return 0;
}

struct Figures
{
    double boxMs, aboveKiB, pdfMs, pdfKiB;
    qsizetype length;
    int pdfStatus;
    qint64 fileBytes;
};

// Runs the program to its end; its wall-clock time in ms, its peak resident set in KiB and its
// exit status.
struct Run
{
    double ms;
    long peakKiB;
    int status;
};

Run runProgram(const QString &program, const QStringList &arguments)
{
    QList<QByteArray> words{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        words << QFile::encodeName(argument);
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid)
        qFatal("cannot run %s", qPrintable(program));
    return {double(timer.nsecsElapsed()) / 1e6, usage.ru_maxrss,
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Figures measure(LongLine line, qint64 digits, int runs, const QString &program)
{
    std::vector<double> boxes, above, pdfs, pdfPeaks;
    qsizetype length = 0;
    int pdfStatus = 0;
    QTemporaryDir folder;
    const QString file = writeLongLine(folder.path(), line, digits);
    for (int i = 0; i < runs; ++i) {
        QProcess self;
        self.start(QCoreApplication::applicationFilePath(), {u"--child"_s, file});
        if (!self.waitForFinished(-1) || self.exitCode() != 0)
            qFatal("the window measurement of %lld digits failed", static_cast<long long>(digits));
        const QList<QByteArray> words = self.readAllStandardOutput().trimmed().split(' ');
        boxes.push_back(words.value(0).toDouble());
        above.push_back(words.value(1).toDouble());
        length = words.value(2).toLongLong();

        QFile::remove(folder.filePath(u"long.pdf"_s));
        const Run pdf = runProgram(program, {u"--layout"_s, defaultLayout(), u"--pdf"_s,
                                             folder.filePath(u"long.pdf"_s), file});
        if (line == LongLine::Type && pdf.status != 1)
            qFatal("%s --pdf did not fail on the long type line", qPrintable(program));
        pdfs.push_back(pdf.ms);
        pdfPeaks.push_back(double(pdf.peakKiB));
        pdfStatus = pdf.status;
    }
    return {median(boxes), median(above), median(pdfs),          median(pdfPeaks),
            length,        pdfStatus,     QFileInfo(file).size()};
}

} // namespace

static int benchmarkMain(int, char **)
{
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == u"--child"_s)
        return child(args.value(2));
    const int runs = std::max(1, args.value(1, u"3"_s).toInt());
    const QString program =
        args.value(2, QCoreApplication::applicationDirPath() + u"/../src/quillmark"_s);
    std::printf(
        "A type line of N digits, a name of N letters, or the largest file Open takes (every "
        "value at its\nlimit, 1,000,000 items of 63 letters), medians of %d runs: File > Open to "
        "the error box\non screen (to the window drawn when the file opens, text -1), the "
        "peak memory above the empty\nwindow, the box's text length, and quillmark --pdf "
        "to its exit: time, peak memory, exit status.\n",
        runs);
    const struct
    {
        LongLine line;
        qint64 length;
    } cases[] = {{LongLine::Type, 1'000'000},
                 {LongLine::Type, 2'000'000},
                 {LongLine::Type, 20'000'000},
                 {LongLine::Name, 20'000'000},
                 {LongLine::Largest, 0}};
    for (const auto &c : cases) {
        const Figures f = measure(c.line, c.length, runs, program);
        std::printf("  %10lld %-7s: box %9.1f ms | above the window %8.0f KiB (%5.2f x the "
                    "file) | text %8lld | --pdf %9.1f ms, %8.0f KiB (%5.2f x), exit %d\n",
                    static_cast<long long>(c.length),
                    c.line == LongLine::Type   ? "digits"
                    : c.line == LongLine::Name ? "letters"
                                               : "largest",
                    f.boxMs, f.aboveKiB, f.aboveKiB * 1024 / double(f.fileBytes),
                    static_cast<long long>(f.length), f.pdfMs, f.pdfKiB,
                    f.pdfKiB * 1024 / double(f.fileBytes), f.pdfStatus);
        std::fflush(stdout);
    }
    return 0;
}

const Benchmark benchmark{benchmarkMain};
