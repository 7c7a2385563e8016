#include "BenchSupport.h"

#include <QApplication>

// The benchmarks need no display.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (benchmark.startsOwnApplication)
        return benchmark.run(argc, argv);
    QApplication app(argc, argv);
    return benchmark.run(argc, argv);
}
