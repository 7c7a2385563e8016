#include "shell/cMain.h"

#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/WindowReportOutput.h"

#include <QDir>

using namespace Qt::StringLiterals;

void TMainForm::Print1Click()
{
    WindowReportOutput output(this, prompter());
    LayoutReportEngine engine(output);
    // A current folder that has been removed has an empty path; "." then finds no layout there,
    // where the empty path would have sent the look-up to the root folder.
    const QString folder = QDir::currentPath();
    SheetPrintout::print(sheet(), engine, prompter(), folder.isEmpty() ? u"."_s : folder);
}
