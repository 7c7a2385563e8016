// Time to the message and peak memory for each file that is refused: a device, a named pipe, a
// socket, a file far too large, as a character file, a settings file or a layout. Each case runs
// in a child process of its own so that its peak memory is its own; the baseline is the same
// child reading a small regular file of the same kind. Save into a pipe that no program reads
// is timed as well. Start-up with a refused settings file is
// timed through the real window, up to the moment its message box shows.
#include "BenchSupport.h"
#include "common/Prompter.h"
#include "common/QuillError.h"
#include "fault/PipesAndDevices.h"
#include "files/FileCommands.h"
#include "print/report/layout/LayoutReader.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"
#include "shell/settings/ProfileFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

class NoPrompter : public Prompter
{
public:
    void inform(const QString &) override {}
    bool confirm(const QString &) override { return false; }
    QString openFileName() override { return {}; }
    bool confirmRisk(const QString &) override { return false; }
    Unsaved askToSave(const QString &) override { return Unsaved::Cancel; }
    QString saveFileName(const QString &) override { return {}; }
    QString pdfFileName() override { return {}; }
};

struct Case
{
    const char *file; // "character", "settings", "layout", "start-up"
    QString kind;     // as makeSpecialFile() takes it, or "small" for the baseline
};

struct Outcome
{
    double ms = 0;
    long peakKb = 0;
    QString message;
};

QString readAsKind(const QString &file, const QString &path)
{
    try {
        if (file == u"character"_s) {
            CharacterSheet sheet;
            NoPrompter prompter;
            FileCommands::load(sheet, path, prompter);
        } else if (file == u"save"_s) {
            FileCommands::store(CharacterSheet(), path);
        } else if (file == u"settings"_s) {
            return ProfileFile::load(path).refusal;
        } else {
            LayoutReader::read(path);
        }
    } catch (const QuillError &error) {
        return error.message();
    }
    return u"(read)"_s;
}

// Builds and shows the real window; the time runs until its first message box is up.
QString startUp(QElapsedTimer &timer, int argc, char **argv)
{
    QApplication app(argc, argv);
    QString text;
    timer.start();
    TMainForm form;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->done(0);
            form.close();
        }
    });
    poll.start(1);
    form.show();
    if (text.isEmpty())
        QCoreApplication::exec();
    return text;
}

void child(const Case &c, const QString &dir, int fd, int argc, char **argv)
{
    const QString name = c.file == QByteArrayView("start-up")    ? u"quillmark.ini"_s
                         : c.file == QByteArrayView("character") ? u"hero.qmc"_s
                         : c.file == QByteArrayView("save")      ? u"hero.qmc"_s
                         : c.file == QByteArrayView("settings")  ? u"quillmark.ini"_s
                                                                 : u"qmsheet.rav"_s;
    const QString path = dir + u'/' + name;
    const int keep = c.kind == u"small"_s ? -1 : makeSpecialFile(path, c.kind);
    if (c.kind == u"small"_s) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(c.file == QByteArrayView("layout") ? "<project/>" : "[A]\nk=1\n");
    }
    QDir::setCurrent(dir);
    QElapsedTimer timer;
    QString message;
    if (c.file == QByteArrayView("start-up")) {
        message = startUp(timer, argc, argv);
    } else {
        timer.start();
        message = readAsKind(QString::fromLatin1(c.file), path);
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const QByteArray report = QByteArray::number(ms, 'f', 3) + '\n' + message.toUtf8();
    [[maybe_unused]] const auto written = ::write(fd, report.constData(), size_t(report.size()));
    if (keep >= 0)
        ::close(keep);
    ::_exit(0);
}

Outcome runOnce(const Case &c, int argc, char **argv)
{
    QTemporaryDir dir;
    int fds[2];
    if (::pipe(fds) != 0)
        qFatal("pipe failed");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        child(c, dir.path(), fds[1], argc, argv);
    }
    ::close(fds[1]);
    QByteArray report;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    rusage usage = {};
    ::wait4(pid, &status, 0, &usage);
    Outcome outcome;
    const qsizetype newline = report.indexOf('\n');
    outcome.ms = report.left(newline).toDouble();
    outcome.message = QString::fromUtf8(report.mid(newline + 1));
    outcome.peakKb = usage.ru_maxrss;
    return outcome;
}

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

static int benchmarkMain(int argc, char **argv)
{
    const QList<Case> cases = {
        {"character", u"small"_s},
        {"character", u"link to /dev/zero"_s},
        {"character", u"link to /dev/urandom"_s},
        {"character", u"sparse 2147483648"_s},
        {"character", u"fifo with a writer"_s},
        {"save", u"fifo"_s},
        {"settings", u"small"_s},
        {"settings", u"fifo"_s},
        {"settings", u"link to /dev/zero"_s},
        {"settings", u"sparse 104857600"_s},
        {"layout", u"small"_s},
        {"layout", u"fifo"_s},
        {"start-up", u"fifo"_s},
        {"start-up", u"link to /dev/zero"_s},
        {"start-up", u"sparse 104857600"_s},
    };
    const int runs = 11;
    for (const Case &c : cases) {
        std::vector<double> times;
        std::vector<long> peaks;
        QString message;
        for (int i = 0; i < runs; ++i) {
            const Outcome o = runOnce(c, argc, argv);
            times.push_back(o.ms);
            peaks.push_back(o.peakKb);
            message = o.message;
        }
        std::printf("%-9s %-22s median %8.3f ms, peak %6.1f MB | %s\n", c.file, qPrintable(c.kind),
                    median(times), double(median(peaks)) / 1024,
                    qPrintable(message.simplified().left(110)));
    }
    return 0;
}

const Benchmark benchmark{benchmarkMain, true};
