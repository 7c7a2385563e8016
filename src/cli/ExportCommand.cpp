#include "cli/ExportCommand.h"

#include "cli/CommandLine.h"
#include "cli/ConsolePrompter.h"
#include "common/QuillError.h"
#include "common/QuotedValue.h"
#include "export/ExportTarget.h"
#include "files/FileCommands.h"
#include "sheet/CharacterSheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace ExportCommand {
namespace {

QString exportNameFor(const QString &character, SheetExports::Format format)
{
    QString name = QFileInfo(character).fileName();
    if (name.size() > 4 && name.endsWith(u".qmc"_s, Qt::CaseInsensitive))
        name.chop(4);
    return name + u'.' + SheetExports::extension(format);
}

// Names the same file the same way, also through "..", a link or a second name in the folder.
QString identity(const QString &name)
{
    const QFileInfo info(name);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

void toStandardOutput(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0)
        throw QuillError(QCoreApplication::translate(
            "ExportCommand", "the export could not be written to standard output"));
}

void writeOne(const Job &job, SheetExports::Format format, ConsolePrompter &prompter)
{
    CharacterSheet sheet;
    FileCommands::load(sheet, job.character, prompter);
    const QByteArray bytes = SheetExports::write(format, sheet);
    if (job.out == u"-"_s)
        return toStandardOutput(bytes);
    // Judged when the write starts and again as the file takes its place: a character saved
    // under this name meanwhile is kept.
    ExportTarget::write(job.out, bytes, ExportTarget::earlierExport(format));
}

bool exportOne(const Job &job, SheetExports::Format format, ConsolePrompter &prompter)
{
    try {
        writeOne(job, format, prompter);
        return true;
    } catch (const QuillError &error) {
        prompter.error(error.message());
    } catch (const std::exception &error) {
        prompter.error(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

QString refusalFor(const Job &job, const QSet<QString> &characters, const QSet<QString> &earlier)
{
    if (job.out == u"-"_s)
        return {};
    const QString out = identity(job.out);
    if (characters.contains(out))
        return QCoreApplication::translate(
                   "ExportCommand",
                   "its export %1 would replace a character file; nothing was written.")
            .arg(job.out);
    if (earlier.contains(out))
        return QCoreApplication::translate(
                   "ExportCommand",
                   "its export %1 is also the export of an earlier file; nothing was written.")
            .arg(job.out);
    return {};
}

} // namespace

QList<Job> plan(const CommandLine::Request &request)
{
    const SheetExports::Format format = *request.exportFormat;
    QSet<QString> characters;
    for (const QString &character : request.files)
        characters.insert(identity(character));
    QSet<QString> earlier;
    QList<Job> jobs;
    for (const QString &character : request.files) {
        Job job{character,
                request.exportIntoFolder
                    ? QDir(request.exportOut).filePath(exportNameFor(character, format))
                    : request.exportOut,
                {}};
        job.refusal = refusalFor(job, characters, earlier);
        earlier.insert(identity(job.out));
        jobs.append(job);
    }
    return jobs;
}

int run(const CommandLine::Request &request)
{
    const QList<Job> jobs = plan(request);
    const bool progress = jobs.size() > 1 && ::isatty(STDERR_FILENO);
    ConsolePrompter prompter;
    int failed = 0;
    for (int i = 0; i < jobs.size(); ++i) {
        const Job &job = jobs.at(i);
        if (progress)
            std::fprintf(stderr, "quillmark: %d of %lld: %s\n", i + 1,
                         static_cast<long long>(jobs.size()),
                         QuotedValue::escapeControls(job.character).toLocal8Bit().constData());
        prompter.setFile(job.character);
        if (!job.refusal.isEmpty())
            prompter.inform(job.refusal);
        else if (exportOne(job, *request.exportFormat, prompter))
            continue;
        ++failed;
    }
    return failed == 0 ? 0 : 1;
}

} // namespace ExportCommand
