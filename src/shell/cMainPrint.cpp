#include "shell/cMain.h"

#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/WindowReportOutput.h"
#include "sheet/CharacterSheet.h"
#include "shell/QuillPrompter.h"
#include "shell/StartFolder.h"

void TMainForm::Print1Click()
{
    m_prompter->offerPdfFor(sheet().text(SheetValue::CharacterName));
    WindowReportOutput output(this, prompter());
    LayoutReportEngine engine(output);
    const QString layout =
        SheetPrintout::layoutToUse(SheetPrintout::currentFolder(), StartFolder::path());
    SheetPrintout::printWithLayout(sheet(), engine, prompter(), layout);
}
