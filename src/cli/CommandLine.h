#pragma once

#include "export/SheetExports.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the program was asked on its command line. `quillmark [FILE]` starts the window as it
// always has and then opens FILE as File > Open would; `quillmark --pdf OUT FILE...` prints each
// FILE's sheet into a PDF file, with no window, and ends; `--json`, `--markdown` and `--text`
// export each FILE's character the same way, OUT "-" being standard output for one FILE.
namespace CommandLine {

// Usage mistakes end the program with this status, as command-line tools do.
constexpr int UsageStatus = 2;

struct Request
{
    QStringList files{};             // the character files named; at most one without --pdf
    std::optional<int> exitStatus{}; // set when the program ends at once: help, version, a mistake
    QString output{};                // for standard output (help, version)
    QString error{};                 // for standard error (a mistake)
    QString pdf{};                   // --pdf OUT; empty when the window is to start
    bool pdfIntoFolder = false;      // OUT is a folder that gets one PDF per file
    QString layout{};                // --layout FILE.rav; empty for the current folder's layout
    std::optional<SheetExports::Format> exportFormat{}; // --json, --markdown or --text
    QString exportOut{};                                // their OUT; "-" for standard output
    bool exportIntoFolder = false;                      // OUT is a folder: NAME.json ... in it
};

// main()'s arguments as text, the program's own name first.
QStringList fromArgv(int argc, char *argv[]);

// The arguments, the program's own name first. A word with one dash is a long option: "-platform"
// is refused as the option "platform", not as the letters p, l, a ... Needs no application
// object, so that a mistake is answered without a display.
Request parse(const QStringList &arguments);

// Writes the request's texts to standard output and standard error. Returns the request's exit
// status, or 1 where that is 0 but standard output could not take the text (a full disk).
int print(const Request &request);

} // namespace CommandLine
