#include "shell/cMain.h"

#include "print/PrintTexts.h"
#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/windows/WindowReportOutput.h"
#include "sheet/CharacterSheet.h"
#include "shell/QuillPrompter.h"
#include "shell/SheetReportExports.h"
#include "shell/settings/DialogFolders.h"
#include "shell/settings/StartFolder.h"

void TMainForm::Print1Click()
{
    m_prompter->offerPdfFor(
        SheetNames::given(SheetValue::CharacterName, sheet().text(SheetValue::CharacterName)));
    // The exports go without a layout, so the layout is looked for once the report is to run.
    const QStringList kept = {PrintTexts::layoutPath(DialogFolders::layoutFolder()),
                              PrintTexts::layoutPath(StartFolder::path()),
                              StartFolder::settingsFile()};
    SheetReportExports exports(sheet(), prompter(), kept);
    WindowReportOutput output(this, prompter(), &exports);
    output.setDocumentName(PrintTexts::documentName(sheet()));
    if (!output.chooseDestination())
        return;
    LayoutReportEngine engine(output);
    const QString layout =
        SheetPrintout::layoutToUse(DialogFolders::layoutFolder(), StartFolder::path());
    SheetPrintout::printWithLayout(sheet(), engine, prompter(), layout);
}
