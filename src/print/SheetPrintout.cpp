#include "print/SheetPrintout.h"

#include "common/Prompter.h"
#include "common/QuillError.h"
#include "common/ReportEngine.h"
#include "print/PrintTexts.h"
#include "print/Tr.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

using namespace Qt::StringLiterals;

namespace SheetPrintout {

namespace {

const QString pageName = u"Report1.Page1"_s;
const QString reportName = u"Report1"_s;
const QString firstColumn = u"FirstColum"_s;
const QString secondColumn = u"SecondColum"_s;

struct Components
{
    ComponentHandle page;
    QHash<QString, ComponentHandle> byName;
};

// Every component the printout fills, found and checked before anything is filled. Returns the
// message to show when one is missing or of another kind, or an empty text.
QString findAll(const ReportEngine &engine, const QList<PrintTexts::Field> &fields,
                Components &found)
{
    found.page = engine.find(pageName);
    if (found.page.kind != ComponentKind::Page)
        return PrintTr::tr("The report layout has no page \"%1\"; nothing was printed.")
            .arg(pageName);
    QList<std::pair<QString, ComponentKind>> wanted;
    for (const PrintTexts::Field &field : fields)
        wanted.append({field.component, ComponentKind::Text});
    wanted.append({firstColumn, ComponentKind::Memo});
    wanted.append({secondColumn, ComponentKind::Memo});
    for (const auto &[name, kind] : wanted) {
        const ComponentHandle component = engine.find(name, found.page);
        if (!component)
            return PrintTr::tr("The page \"%1\" of the report layout has no component \"%2\"; "
                               "nothing was printed.")
                .arg(pageName, name);
        if (component.kind != kind)
            return kind == ComponentKind::Memo
                       ? PrintTr::tr("The component \"%1\" of the report layout is not a memo "
                                     "field; nothing was printed.")
                             .arg(name)
                       : PrintTr::tr("The component \"%1\" of the report layout is not a text "
                                     "field; nothing was printed.")
                             .arg(name);
        found.byName.insert(name, component);
    }
    return {};
}

struct CloseAtEnd
{
    ReportEngine &engine;
    ~CloseAtEnd() { engine.close(); }
};

// The whole column in one write: the same text as adding its lines one by one, in time linear
// in its length.
void fillMemo(ReportEngine &engine, ComponentHandle memo, const QStringList &lines)
{
    engine.setMemoText(memo, PrintTexts::memoText(lines));
}

} // namespace

void print(const CharacterSheet &sheet, ReportEngine &engine, Prompter &prompter,
           const QString &currentFolder)
{
    printWithLayout(sheet, engine, prompter, PrintTexts::layoutPath(currentFolder));
}

QString layoutToUse(const QString &currentFolder, const QString &startFolder)
{
    const QString current = PrintTexts::layoutPath(currentFolder);
    const QString start = PrintTexts::layoutPath(startFolder);
    if (QFileInfo::exists(current) || startFolder.isEmpty() || current == start)
        return current;
    if (QFileInfo::exists(start))
        return start;
    throw QuillError(PrintTr::tr("The following reporting projects do not exist:\r\"%1\"\r\"%2\"")
                         .arg(current, start));
}

QString currentFolder()
{
    const QString folder = QDir::currentPath();
    return folder.isEmpty() ? u"."_s : folder;
}

void printWithLayout(const CharacterSheet &sheet, ReportEngine &engine, Prompter &prompter,
                     const QString &layoutPath)
{
    const CloseAtEnd closer{engine};
    engine.setProjectFile(layoutPath);
    engine.open();

    const QList<PrintTexts::Field> fields = PrintTexts::textFields(sheet);
    Components found;
    if (const QString problem = findAll(engine, fields, found); !problem.isEmpty()) {
        prompter.inform(problem);
        return;
    }
    for (const PrintTexts::Field &field : fields)
        engine.setText(found.byName.value(field.component), field.text);
    fillMemo(engine, found.byName.value(firstColumn), PrintTexts::firstColumnLines(sheet));
    fillMemo(engine, found.byName.value(secondColumn), PrintTexts::secondColumnLines(sheet));
    engine.setDocumentName(PrintTexts::documentName(sheet));
    engine.execute(reportName);
}

} // namespace SheetPrintout
