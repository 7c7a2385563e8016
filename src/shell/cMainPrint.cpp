#include "shell/cMain.h"

#include "print/SheetPrintout.h"
#include "print/report/ReportProject.h"
#include "print/report/ReportSystem.h"

#include <QDir>

void TMainForm::Print1Click()
{
    ReportSystem system(this);
    ReportProject project(system);
    SheetPrintout::print(sheet(), project, prompter(), QDir::currentPath());
}
