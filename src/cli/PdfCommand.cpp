#include "cli/PdfCommand.h"

#include "cli/CommandLine.h"
#include "cli/ConsolePrompter.h"
#include "common/QuillError.h"
#include "common/QuotedValue.h"
#include "files/FileCommands.h"
#include "print/PrintTexts.h"
#include "print/SheetPrintout.h"
#include "print/report/LayoutReportEngine.h"
#include "print/report/output/PdfReportOutput.h"
#include "sheet/CharacterSheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PdfCommand)
};

} // namespace

namespace PdfCommand {
namespace {

QString pdfNameFor(const QString &character)
{
    QString name = QFileInfo(character).fileName();
    if (name.size() > 4 && name.endsWith(u".qmc"_s, Qt::CaseInsensitive))
        name.chop(4);
    return name + u".pdf"_s;
}

// Names the same file the same way, also through "..", a link or a second name in the folder.
QString identity(const QString &name)
{
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString layoutPath(const CommandLine::Request &request)
{
    if (request.layout.isEmpty())
        return PrintTexts::layoutPath(SheetPrintout::currentFolder());
    return QFileInfo(request.layout).absoluteFilePath();
}

bool printOne(const Job &job, const QString &layout, ConsolePrompter &prompter)
{
    try {
        CharacterSheet sheet;
        FileCommands::load(sheet, job.character, prompter);
        PdfReportOutput output(job.pdf);
        LayoutReportEngine engine(output);
        const int before = prompter.messages();
        SheetPrintout::printWithLayout(sheet, engine, prompter, layout);
        if (output.runs() == 1)
            return true;
        if (prompter.messages() == before)
            prompter.inform(
                Text::tr("the layout printed nothing; %1 was not written.").arg(job.pdf));
    } catch (const QuillError &error) {
        prompter.error(error.message());
    } catch (const std::exception &error) {
        prompter.error(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void showProgress(int done, qsizetype total, const QString &character)
{
    const QString line = Text::tr("quillmark: %1 of %2: %3\n")
                             .arg(done)
                             .arg(total)
                             .arg(QuotedValue::escapeControls(character));
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

} // namespace

QList<Job> plan(const CommandLine::Request &request)
{
    QSet<QString> characters;
    for (const QString &character : request.files)
        characters.insert(identity(character));
    QSet<QString> pdfs;
    QList<Job> jobs;
    for (const QString &character : request.files) {
        Job job{character,
                request.pdfIntoFolder ? QDir(request.pdf).filePath(pdfNameFor(character))
                                      : request.pdf,
                {}};
        const QString pdf = identity(job.pdf);
        if (characters.contains(pdf))
            job.refusal =
                Text::tr("its PDF %1 would replace a character file; nothing was written.")
                    .arg(job.pdf);
        else if (pdfs.contains(pdf))
            job.refusal = Text::tr("its PDF %1 is also the PDF of an earlier file; nothing was "
                                   "written.")
                              .arg(job.pdf);
        pdfs.insert(pdf);
        jobs.append(job);
    }
    return jobs;
}

int run(const CommandLine::Request &request)
{
    return run(request, plan(request));
}

int run(const CommandLine::Request &request, const QList<Job> &jobs)
{
    const QString layout = layoutPath(request);
    const bool progress = jobs.size() > 1 && ::isatty(STDERR_FILENO);
    ConsolePrompter prompter;
    int failed = 0;
    for (int i = 0; i < jobs.size(); ++i) {
        const Job &job = jobs.at(i);
        if (progress)
            showProgress(i + 1, jobs.size(), job.character);
        prompter.setFile(job.character);
        const bool written = job.refusal.isEmpty() && printOne(job, layout, prompter);
        if (!job.refusal.isEmpty())
            prompter.inform(job.refusal);
        failed += written ? 0 : 1;
    }
    return failed == 0 ? 0 : 1;
}

} // namespace PdfCommand
