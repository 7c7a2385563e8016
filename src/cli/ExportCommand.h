#pragma once

#include <QList>
#include <QString>

namespace CommandLine {
struct Request;
}

// `quillmark --json`, `--markdown` and `--text`: each character file is read as File > Open reads
// it and exported, with no window, exactly as --pdf prints: into the file OUT, or as NAME.json,
// NAME.md or NAME.txt into the folder OUT, or with OUT "-" to standard output. A file that fails
// is named on standard error, gets no export, and the others still run.
namespace ExportCommand {

struct Job
{
    QString character; // the character file, as named on the command line
    QString out;       // the file to write; "-" for standard output
    QString refusal;   // why this job must not run, or empty
};

// One job per file. One whose export would replace one of the character files or the export of
// an earlier file is refused here; any other file under its name is judged by the writer, when
// the write starts and again as the new file takes its place: only an earlier export of the same
// format is replaced.
QList<Job> plan(const CommandLine::Request &request);

// Runs the request's jobs; 0 when every export was written, 1 when any file failed.
int run(const CommandLine::Request &request);

} // namespace ExportCommand
