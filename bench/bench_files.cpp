// Times Open (read, apply, shown in the window's lists) and Save of character files with 1,000,
// 10,000 and 100,000 items, against a plain read of the same file split into lines.
#include "BenchSupport.h"
#include "common/Prompter.h"
#include "files/CharacterFile.h"
#include "files/FileCommands.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

void fill(CharacterSheet &sheet, int items)
{
    sheet.setText(SheetValue::CharacterName, u"Benchmark Character"_s);
    sheet.setTypeIndex(0);
    for (SheetList l : SheetNames::allLists()) {
        QStringList list;
        for (int i = 0; i < items / SheetListCount; ++i)
            list << u"Song of Motion (Corporeal) level %1, cost %2"_s.arg(i % 6 + 1).arg(i);
        sheet.setItems(l, list);
    }
}

qsizetype plainReadAndSplit(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(name));
    return QString::fromUtf8(file.readAll()).split(u"\r\n"_s).size();
}

void measure(TMainForm &form, const QString &name, int items)
{
    SilentPrompter prompter;
    CharacterSheet source;
    fill(source, items);
    const int runs = items >= 100000 ? 11 : 21;

    const double save = medianMs(runs, [&] { FileCommands::store(source, name); });
    const double load = medianMs(runs, [&] { FileCommands::load(form.sheet(), name, prompter); });
    const double open = medianMs(runs, [&] {
        FileCommands::load(form.sheet(), name, prompter);
        QCoreApplication::processEvents();
    });
    if (CharacterFile::fromSheet(form.sheet()) != CharacterFile::fromSheet(source))
        qFatal("the opened sheet differs from the saved one");
    qsizetype lines = 0;
    const double baseline = medianMs(runs, [&] { lines = plainReadAndSplit(name); });
    std::printf("%7d items %7.1f kB | save %7.2f | open %7.2f (without events %7.2f) | "
                "read+split %7.2f | open/read+split %5.2f (without events %5.2f)\n",
                items, double(QFile(name).size()) / 1024, save, open, load, baseline,
                open / baseline, load / baseline);
    if (lines != items + 28)
        qFatal("the plain read found %lld lines", static_cast<long long>(lines));
}

} // namespace

static int benchmarkMain(int, char **)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    TMainForm form;
    form.show();
    QCoreApplication::processEvents();
    std::printf(
        "medians in ms. save: encode, write, fsync, rename. open: read, decode, apply to the\n"
        "window's sheet, then process the window's events once (layout and paint).\n"
        "read+split: QFile::readAll, QString::fromUtf8, split at CR LF.\n");
    for (int items : {1000, 10000, 100000})
        measure(form, dir.filePath(u"bench.qmc"_s), items);
    return 0;
}

const Benchmark benchmark{benchmarkMain};
