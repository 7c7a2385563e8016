#pragma once

// What the benchmarks share: a Prompter that must never be asked anything, the median of
// repeated timed runs, a large character written as a file, and the process's own memory figures.

#include "common/Prompter.h"
#include "files/CharacterFile.h"
#include "sheet/SheetValues.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <functional>
#include <vector>

// Nothing in a timed run may show a message; every question is answered Yes.
class SilentPrompter : public Prompter
{
public:
    void inform(const QString &text) override
    {
        qFatal("unexpected message: %s", qPrintable(text));
    }
    bool confirm(const QString &) override { return true; }
    QString openFileName() override { return {}; }
    bool confirmRisk(const QString &) override { return false; }
    Unsaved askToSave(const QString &) override { return Unsaved::Cancel; }
    QString saveFileName(const QString &) override { return {}; }
    QString pdfFileName() override { return {}; }
};

// What a benchmark program runs. Every benchmark shares one main() (BenchMain.cpp): it chooses
// the offscreen platform unless QT_QPA_PLATFORM names another, starts the QApplication unless the
// benchmark starts its own (one for each measured run), and then calls run.
struct Benchmark
{
    int (*run)(int argc, char **argv);
    bool startsOwnApplication = false;
};
// Each benchmark defines this.
extern const Benchmark benchmark;

// The median, in milliseconds, of `runs` timed calls of run(); setUp() runs untimed before each.
inline double medianMs(int runs, const std::function<void()> &run,
                       const std::function<void()> &setUp = {})
{
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i) {
        if (setUp)
            setUp();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return double(times[times.size() / 2]) / 1e6;
}

// A character whose ten lists hold `items` items together, written as a character file.
inline QString writeLargeCharacter(const QString &folder, int items)
{
    using namespace Qt::StringLiterals;
    CharacterFile file;
    for (SheetValue value : SheetNames::allValues())
        file.text(value) = SheetNames::startText(value);
    file.text(SheetValue::CharacterName) = u"Benchmark Character"_s;
    for (SheetList l : SheetNames::allLists())
        for (int i = 0; i < items / SheetListCount; ++i)
            file.list(l) << u"Ethereal Song of Motion %1 ,Level:%2"_s.arg(i).arg(i % 6 + 1);
    const QString name = folder + u"/large.qmc"_s;
    QFile out(name);
    const QByteArray bytes = CharacterFileFormat::encode(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return name;
}

// The layout file of the source tree, found from the build's bench folder or the current one.
inline QString defaultLayout()
{
    using namespace Qt::StringLiterals;
    const QString nearBuild = QCoreApplication::applicationDirPath() + u"/../../data/qmsheet.rav"_s;
    return QFile::exists(nearBuild) ? nearBuild : u"data/qmsheet.rav"_s;
}

// A field of /proc/self/status in KiB.
inline long statusKiB(const char *field)
{
    using namespace Qt::StringLiterals;
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/status");
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    qFatal("no %s in /proc/self/status", field);
}
