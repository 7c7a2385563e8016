#pragma once

#include <QList>
#include <QString>

namespace CommandLine {
struct Request;
}

// `quillmark --pdf`: each character file is read as File > Open reads it and printed as File >
// Print prints it into a PDF file, with no window. A file that fails is named on standard error
// with the message the window would show, gets no PDF, and the others still run.
namespace PdfCommand {

struct Job
{
    QString character; // the character file, as named on the command line
    QString pdf;       // the PDF file to write
    QString refusal;   // why this job must not run, or empty
};

// One job per file: into the folder as NAME.pdf (the file's name without its folder and
// ".qmc"), or into the one PDF named. A PDF that would replace one of the character files or the
// PDF of an earlier file is refused here; what else is there is judged when each PDF is written
// (ReportPrinting::writePdf): only an earlier PDF is replaced.
QList<Job> plan(const CommandLine::Request &request);

// Runs the request's jobs; 0 when every PDF was written, 1 when any file failed.
int run(const CommandLine::Request &request);
int run(const CommandLine::Request &request, const QList<Job> &jobs);

} // namespace PdfCommand
