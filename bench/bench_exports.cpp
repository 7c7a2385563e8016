// The exports and the list boxes' display of a character of 1,000, 10,000 and 100,000 items, in
// English and in German, where every item is read into its parts and shown through its kind's
// pattern. The display is every item of the Songs list asked for once as the view asks for it
// (display role), and the view painted once.
//
// `bench_exports ITEMS LANGUAGE WHAT` runs one measured call of WHAT (markdown, text, json, list)
// and nothing else timed, for counting instructions with
// `valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*measured*'`.
#include "BenchSupport.h"
#include "export/SheetExports.h"
#include "sheet/CharacterSheet.h"
#include "shell/cMain.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListView>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Items of every kind that has a format, each well formed, spread over the ten lists.
void fill(CharacterSheet &sheet, int items)
{
    const QStringList realms = {u"Corporeal"_s, u"Ethereal"_s, u"Celestial"_s};
    const int each = items / SheetListCount;
    for (SheetList list : SheetNames::allLists()) {
        QStringList texts;
        for (int i = 0; i < each; ++i) {
            const QString realm = realms.at(i % 3);
            const QString n = QString::number(i);
            switch (list) {
            case SheetList::Songs:
                texts << realm + u" Song of Motion "_s + n + u" ,Level:3"_s;
                break;
            case SheetList::Skills:
                texts << u"Swimming "_s + n + u" Level:3"_s;
                break;
            case SheetList::Vessels:
                texts << u"Human "_s + n + u" ,Body Hits:12 ,Charisma:1 Level:2 Cost:8"_s;
                break;
            case SheetList::Roles:
                texts << u"Bartender "_s + n + u", Level:2, Status:3, Cost:3"_s;
                break;
            case SheetList::Servants:
                texts << u"Hound "_s + n + u", Level:3, Class:1, Cost:2"_s;
                break;
            case SheetList::Artifacts:
                texts << realm + u" Artifact of Lamp "_s + n + u" ,Level:2 ,Modifier:-1 ,Cost:5"_s;
                break;
            case SheetList::Discords:
                texts << realm + u" Discord of Limp "_s + n + u" ,Level:2 ,Cost:6"_s;
                break;
            default:
                texts << u"Friend of the Flame "_s + n;
            }
        }
        sheet.setItems(list, texts);
    }
}

// Every item of the list as the view asks for it, and one paint.
qsizetype showList(QListView *view)
{
    const QAbstractItemModel *model = view->model();
    qsizetype characters = 0;
    for (int row = 0; row < model->rowCount(); ++row)
        characters += model->index(row, 0).data().toString().size();
    view->viewport()->repaint();
    return characters;
}

SheetExports::Format formatOf(const QString &what)
{
    if (what == u"json"_s)
        return SheetExports::Format::Json;
    return what == u"text"_s ? SheetExports::Format::Text : SheetExports::Format::Markdown;
}

// The one call callgrind counts.
[[gnu::noinline]] qsizetype measuredRun(const QString &what, TMainForm &form)
{
    if (what == u"list"_s)
        return showList(form.findChild<QListView *>(u"SongsListBox"_s));
    return SheetExports::write(formatOf(what), form.sheet()).size();
}

struct Language
{
    QTranslator catalogue;
    explicit Language(const QString &code)
    {
        if (!code.isEmpty() && (!catalogue.load(u":/i18n/quillmark_"_s + code + u".qm"_s) ||
                                !QCoreApplication::installTranslator(&catalogue)))
            qFatal("no catalogue for %s", qPrintable(code));
    }
};

int runOnce(int items, const QString &language, const QString &what)
{
    const Language installed(language);
    TMainForm form;
    form.show();
    fill(form.sheet(), items);
    QCoreApplication::processEvents();
    return measuredRun(what, form) > 0 ? 0 : 1;
}

int run(int argc, char **argv)
{
    if (argc == 4) {
        const QString language = QString::fromLocal8Bit(argv[2]);
        return runOnce(std::atoi(argv[1]), language == u"en"_s ? QString() : language,
                       QString::fromLocal8Bit(argv[3]));
    }
    std::printf("medians in ms of 5 runs; the list is the Songs list, a tenth of the items\n");
    for (const QString &language : {QString(), u"de"_s}) {
        const Language installed(language);
        for (int items : {1000, 10000, 100000}) {
            TMainForm form;
            form.show();
            fill(form.sheet(), items);
            QCoreApplication::processEvents();
            std::printf("%s %7d items |", language.isEmpty() ? "en" : "de", items);
            for (const QString &what : {u"markdown"_s, u"text"_s, u"json"_s, u"list"_s})
                std::printf(" %s %8.2f |", qPrintable(what),
                            medianMs(5, [&] { measuredRun(what, form); }));
            std::printf("\n");
        }
    }
    return 0;
}

} // namespace

const Benchmark benchmark{run};
