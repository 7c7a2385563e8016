#include "shell/cMain.h"

#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/WindowReportOutput.h"
#include "shell/StartFolder.h"

void TMainForm::Print1Click()
{
    WindowReportOutput output(this, prompter());
    LayoutReportEngine engine(output);
    const QString layout =
        SheetPrintout::layoutToUse(SheetPrintout::currentFolder(), StartFolder::path());
    SheetPrintout::printWithLayout(sheet(), engine, prompter(), layout);
}
