#include "cli/Batch.h"
#include "cli/CommandLine.h"
#include "cli/ConsolePrompter.h"
#include "cli/Tr.h"
#include "files/FileCommands.h"
#include "print/PrintTexts.h"
#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/output/PdfReportOutput.h"
#include "sheet/CharacterSheet.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The layout --layout names, or the current folder's.
QString layoutPath(const CommandLine::Request &request)
{
    if (request.layout.isEmpty())
        return PrintTexts::layoutPath(SheetPrintout::currentFolder());
    return QFileInfo(request.layout).absoluteFilePath();
}

// The sheet as File > Print prints it into a PDF file. What is under the PDF's name is judged as
// the PDF is written (ReportPrinting::writePdf): only an earlier PDF is replaced.
bool printOne(const Batch::Job &job, const QString &layout, ConsolePrompter &prompter)
{
    CharacterSheet sheet;
    FileCommands::load(sheet, job.character, prompter);
    PdfReportOutput output(job.out);
    LayoutReportEngine engine(output);
    const int before = prompter.messages();
    SheetPrintout::printWithLayout(sheet, engine, prompter, layout);
    if (output.runs() == 1)
        return true;
    if (prompter.messages() == before)
        prompter.inform(CliTr::tr("the layout printed nothing; %1 was not written.").arg(job.out));
    return false;
}

} // namespace

Batch::Kind Batch::pdfKind(const CommandLine::Request &request)
{
    return {u".pdf"_s, CliTr::tr("its PDF %1 would replace a character file; nothing was written."),
            CliTr::tr("its PDF %1 is also the PDF of an earlier file; nothing was written."),
            [layout = layoutPath(request)](const Job &job, ConsolePrompter &prompter) {
                return printOne(job, layout, prompter);
            }};
}
