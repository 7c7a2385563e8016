#include "cli/Batch.h"

#include "cli/CommandLine.h"
#include "cli/ConsolePrompter.h"
#include "cli/Tr.h"
#include "common/FileIdentity.h"
#include "common/QuillError.h"
#include "common/QuotedValue.h"
#include "common/Translations.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Batch {
namespace {

QString outNameFor(const QString &character, const QString &extension)
{
    QString name = QFileInfo(character).fileName();
    if (name.size() > 4 && name.endsWith(u".qmc"_s, Qt::CaseInsensitive))
        name.chop(4);
    return name + extension;
}

Kind kindOf(const CommandLine::Request &request)
{
    return request.exportFormat ? exportKind(request) : pdfKind(request);
}

bool writeCaught(const Job &job, const Kind &kind, ConsolePrompter &prompter)
{
    try {
        return kind.writeOne(job, prompter);
    } catch (const QuillError &error) {
        prompter.error(error.message());
    } catch (const std::exception &error) {
        prompter.error(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void showProgress(int done, qsizetype total, const QString &character)
{
    const QString line = CliTr::tr("quillmark: %1 of %2: %3\n")
                             .arg(Translations::number(done), Translations::number(total),
                                  QuotedValue::escapeControls(character));
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

} // namespace

QList<Job> plan(const CommandLine::Request &request)
{
    const Kind kind = kindOf(request);
    const bool exports = request.exportFormat.has_value();
    const QString out = exports ? request.exportOut : request.pdf;
    const bool intoFolder = exports ? request.exportIntoFolder : request.pdfIntoFolder;
    QSet<QString> kept;
    for (const QString &character : request.files)
        kept.insert(FileIdentity::canonicalName(character));
    QSet<QString> earlier;
    QList<Job> jobs;
    for (const QString &character : request.files) {
        Job job{character,
                intoFolder ? QDir(out).filePath(outNameFor(character, kind.extension)) : out,
                {}};
        if (job.out != u"-"_s) {
            const QString identity = FileIdentity::canonicalName(job.out);
            if (kept.contains(identity))
                job.refusal = kind.replacesCharacter.arg(job.out);
            else if (earlier.contains(identity))
                job.refusal = kind.alsoEarlier.arg(job.out);
            earlier.insert(identity);
        }
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
    const Kind kind = kindOf(request);
    const bool progress = jobs.size() > 1 && ::isatty(STDERR_FILENO);
    ConsolePrompter prompter;
    int failed = 0;
    for (int i = 0; i < jobs.size(); ++i) {
        const Job &job = jobs.at(i);
        if (progress)
            showProgress(i + 1, jobs.size(), job.character);
        prompter.setFile(job.character);
        if (!job.refusal.isEmpty())
            prompter.inform(job.refusal);
        const bool written = job.refusal.isEmpty() && writeCaught(job, kind, prompter);
        failed += written ? 0 : 1;
    }
    return failed == 0 ? 0 : 1;
}

} // namespace Batch
