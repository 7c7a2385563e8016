#include "shell/cMain.h"

#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/WindowReportOutput.h"

void TMainForm::Print1Click()
{
    WindowReportOutput output(this, prompter());
    LayoutReportEngine engine(output);
    SheetPrintout::print(sheet(), engine, prompter(), SheetPrintout::currentFolder());
}
