#pragma once

// What the benchmarks share: a Prompter that must never be asked anything, and the median of
// repeated timed runs.

#include "sheet/Prompter.h"

#include <QElapsedTimer>
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
    QString saveFileName() override { return {}; }
    QString pdfFileName() override { return {}; }
};

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
