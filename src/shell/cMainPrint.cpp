#include "shell/cMain.h"

#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/WindowReportOutput.h"
#include "sheet/CharacterSheet.h"
#include "shell/QuillPrompter.h"
#include "shell/settings/StartFolder.h"

void TMainForm::Print1Click()
{
    // A name still showing its prompt is no name.
    const QString name = sheet().text(SheetValue::CharacterName);
    m_prompter->offerPdfFor(name == SheetNames::startText(SheetValue::CharacterName) ? QString()
                                                                                     : name);
    WindowReportOutput output(this, prompter());
    LayoutReportEngine engine(output);
    const QString layout =
        SheetPrintout::layoutToUse(SheetPrintout::currentFolder(), StartFolder::path());
    SheetPrintout::printWithLayout(sheet(), engine, prompter(), layout);
}
