// Times loading and storing the sixteen configuration keys of the settings file through the real
// window, against the floor of one read and one safe replacing write of the same file.
#include "BenchSupport.h"
#include "shell/cMain.h"
#include "shell/settings/SettingsFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QByteArray readOnce(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeOnce(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.flush() || !file.commit())
        qFatal("baseline write failed");
}

} // namespace

static int benchmarkMain(int, char **)
{
    QTemporaryDir dir;
    const QString start = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        TMainForm form;
        SettingsFile file;
        file.store(form.configuration());
        const QString path = dir.filePath(u"quillmark.ini"_s);
        const QByteArray content = readOnce(path);
        const int runs = 51;
        const double load =
            medianMs(runs, [&] { form.showConfiguration(*file.load().configuration); });
        const double store = medianMs(runs, [&] { file.store(form.configuration()); });
        const double read = medianMs(runs, [&] { readOnce(path); });
        const double write = medianMs(runs, [&] { writeOnce(path, content); });
        std::printf("settings load (16 keys):  median %.3f ms; baseline one read %.3f ms\n", load,
                    read);
        std::printf("settings store (16 keys): median %.3f ms; baseline one safe write %.3f ms\n",
                    store, write);
    }
    QDir::setCurrent(start);
    return 0;
}

const Benchmark benchmark{benchmarkMain};
