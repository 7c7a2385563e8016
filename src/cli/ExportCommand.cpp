#include "cli/Batch.h"
#include "cli/CommandLine.h"
#include "cli/ConsolePrompter.h"
#include "cli/Tr.h"
#include "common/QuillError.h"
#include "export/ExportTarget.h"
#include "files/FileCommands.h"
#include "sheet/CharacterSheet.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void toStandardOutput(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0)
        throw QuillError(CliTr::tr("the export could not be written to standard output"));
}

// The character exported, to standard output or over nothing but an earlier export of the same
// format, judged when the write starts and again as the file takes its place: a character saved
// under this name meanwhile is kept.
bool exportOne(const Batch::Job &job, SheetExports::Format format, ConsolePrompter &prompter)
{
    CharacterSheet sheet;
    FileCommands::load(sheet, job.character, prompter);
    const QByteArray bytes = SheetExports::write(format, sheet);
    if (job.out == u"-"_s)
        toStandardOutput(bytes);
    else
        ExportTarget::write(job.out, bytes, SheetExports::earlierExport(format));
    return true;
}

} // namespace

Batch::Kind Batch::exportKind(const CommandLine::Request &request)
{
    const SheetExports::Format format = *request.exportFormat;
    return {u'.' + SheetExports::extension(format),
            CliTr::tr("its export %1 would replace a character file; nothing was written."),
            CliTr::tr("its export %1 is also the export of an earlier file; nothing was written."),
            [format](const Job &job, ConsolePrompter &prompter) {
                return exportOne(job, format, prompter);
            }};
}
