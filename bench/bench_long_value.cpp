// A character file whose type line is 1, 2 or 20 million digits: the time from File > Open being
// given the name to the error box on screen, the memory Open takes above the empty window, and
// the time `quillmark --pdf` takes to name the file as failed. Each window measurement is a fresh
// process (the benchmark starts itself as the child), so that its peak resident set is its own.
//
//   bench_long_value [runs] [program]    the benchmark; program defaults to the built quillmark
//   bench_long_value --child FILE        one window measurement (used by the benchmark itself)
#include "BenchSupport.h"
#include "shell/cMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString writeLongTypeLine(const QString &folder, qint64 digits)
{
    const QString name = folder + u"/long.qmc"_s;
    QFile out(name);
    const QByteArray bytes = "Long\n" + QByteArray(qsizetype(digits), '9') + "\n";
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
    std::printf("%.1f %ld %lld\n", ms, statusKiB("VmHWM:") - before,
                static_cast<long long>(length));
    return ms < 0 ? 1 : 0;
}

struct Figures
{
    double boxMs, aboveKiB, pdfMs;
    qsizetype length;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Figures measure(qint64 digits, int runs, const QString &program)
{
    std::vector<double> boxes, above, pdfs;
    qsizetype length = 0;
    QTemporaryDir folder;
    const QString file = writeLongTypeLine(folder.path(), digits);
    for (int i = 0; i < runs; ++i) {
        QProcess self;
        self.start(QCoreApplication::applicationFilePath(), {u"--child"_s, file});
        if (!self.waitForFinished(-1) || self.exitCode() != 0)
            qFatal("the window measurement of %lld digits failed", static_cast<long long>(digits));
        const QList<QByteArray> words = self.readAllStandardOutput().trimmed().split(' ');
        boxes.push_back(words.value(0).toDouble());
        above.push_back(words.value(1).toDouble());
        length = words.value(2).toLongLong();

        QProcess pdf;
        QElapsedTimer timer;
        timer.start();
        pdf.start(program, {u"--pdf"_s, folder.filePath(u"long.pdf"_s), file});
        if (!pdf.waitForFinished(-1) || pdf.exitCode() != 1)
            qFatal("%s --pdf did not fail on the long type line", qPrintable(program));
        pdfs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return {median(boxes), median(above), median(pdfs), length};
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
    std::printf("A type line of N digits, medians of %d runs: File > Open to the error box on "
                "screen, the peak memory\nabove the empty window, the box's text length, and "
                "quillmark --pdf to its exit.\n",
                runs);
    for (const qint64 digits : {1'000'000LL, 2'000'000LL, 20'000'000LL}) {
        const Figures f = measure(digits, runs, program);
        std::printf("  %10lld digits: box %9.1f ms | above the window %8.0f KiB (%4.2f x the "
                    "file) | text %8lld | --pdf %9.1f ms\n",
                    static_cast<long long>(digits), f.boxMs, f.aboveKiB,
                    f.aboveKiB * 1024 / double(digits + 6), static_cast<long long>(f.length),
                    f.pdfMs);
        std::fflush(stdout);
    }
    return 0;
}

const Benchmark benchmark{benchmarkMain};
