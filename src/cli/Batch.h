#pragma once

#include <QList>
#include <QString>
#include <functional>

class ConsolePrompter;
namespace CommandLine {
struct Request;
}

// A run of the command line that writes one file for each character file named: `--pdf` prints
// each sheet into a PDF, `--json`, `--markdown` and `--text` export each character. Every file
// is read as File > Open reads it, with no window; its messages go to standard error under its
// name, a file that fails gets nothing written, and the others still run.
namespace Batch {

struct Job
{
    QString character; // the character file, as named on the command line
    QString out;       // the file to write; "-" for standard output
    QString refusal;   // why this job must not run, or empty
};

// One job per file: into the folder OUT as NAME plus the kind's extension (NAME is the file's name
// without its folder and ".qmc"), or into OUT itself. A file that would replace one of the
// character files or the file of an earlier job is refused here; standard output ("-") is never
// refused. What else is under a name is judged by the writer when the file is written: only an
// earlier file of the same kind (a PDF, an export of the same format) is replaced.
QList<Job> plan(const CommandLine::Request &request);

// Runs the jobs in order. With more than one job and a terminal on standard error, a line before
// each says which file is at work. 0 when every file was written, 1 when any failed.
int run(const CommandLine::Request &request);
int run(const CommandLine::Request &request, const QList<Job> &jobs);

// What a kind of run writes, in its own words: the extension of its files (".pdf"), its two
// refusals with %1 for the file, and how it writes one job's file: false, having said why, or
// QuillError when the file was not written.
struct Kind
{
    QString extension;
    QString replacesCharacter; // "its PDF %1 would replace a character file; ..."
    QString alsoEarlier;       // "its PDF %1 is also the PDF of an earlier file; ..."
    std::function<bool(const Job &job, ConsolePrompter &prompter)> writeOne;
};

// The two kinds, each in a file of its own: PdfCommand.cpp and ExportCommand.cpp.
Kind pdfKind(const CommandLine::Request &request);
Kind exportKind(const CommandLine::Request &request);

} // namespace Batch
