// Times what the window does for the recovery copy while the player types, with 1,000, 10,000
// and 100,000 items: the change mark (whether Save would write other bytes) and one copy written
// (the mark, the character file and its note, each written whole and renamed), against Save of
// the same character. A copy that takes T delays the next one by 20 T, so the last column is the
// share of the time the copies can take at most.
#include "BenchSupport.h"
#include "files/CharacterDocument.h"
#include "files/FileCommands.h"
#include "files/recovery/Recovery.h"
#include "files/recovery/RecoveryCopy.h"
#include "sheet/CharacterSheet.h"

#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void fill(CharacterSheet &sheet, int items)
{
    sheet.setText(SheetValue::CharacterName, u"Benchmark Character"_s);
    for (SheetList l : SheetNames::allLists()) {
        QStringList list;
        for (int i = 0; i < items / SheetListCount; ++i)
            list << u"Song of Motion (Corporeal) level %1, cost %2"_s.arg(i % 6 + 1).arg(i);
        sheet.setItems(l, list);
    }
}

void measure(const QTemporaryDir &dir, int items)
{
    CharacterSheet sheet;
    CharacterDocument document(sheet);
    fill(sheet, items);
    RecoveryCopy copy(dir.filePath(u"state"_s));
    const int runs = items >= 100000 ? 11 : 21;
    const double save =
        medianMs(runs, [&] { FileCommands::store(sheet, dir.filePath(u"bench.qmc"_s)); });
    bool changed = false;
    const double mark = medianMs(runs, [&] { changed = document.isChanged(); });
    const double write = medianMs(runs, [&] {
        if (document.isChanged() && !Recovery::write(document, copy).isEmpty())
            qFatal("the copy was not written");
    });
    if (!changed)
        qFatal("the filled sheet counts as unchanged");
    std::printf("%7d items | save %7.2f | mark %7.2f | copy %7.2f | copy/save %5.2f | "
                "pause after it %8.1f\n",
                items, save, mark, write, write / save, 20 * write);
    copy.remove();
}

} // namespace

static int benchmarkMain(int, char **)
{
    QTemporaryDir dir;
    std::printf("medians in ms. save: FileCommands::store (encode, write, fsync, rename).\n"
                "mark: CharacterDocument::isChanged (encode, SHA-1). copy: the mark, then the\n"
                "copy and its note written as Save writes. pause: 20 times the copy.\n");
    for (int items : {1000, 10000, 100000})
        measure(dir, items);
    return 0;
}

const Benchmark benchmark{benchmarkMain};
