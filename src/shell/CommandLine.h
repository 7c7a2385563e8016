#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the program was asked on its command line: `quillmark [FILE]`. With no FILE it starts as it
// always has; with one it starts the same way and then opens FILE as File > Open would.
namespace CommandLine {

// Usage mistakes end the program with this status, as command-line tools do.
constexpr int UsageStatus = 2;

struct Request
{
    QString file;                  // the character file to open; empty when none was given
    std::optional<int> exitStatus; // set when the program ends at once: help, version, a mistake
    QString output;                // for standard output (help, version)
    QString error;                 // for standard error (a mistake)
};

// main()'s arguments as text, the program's own name first.
QStringList fromArgv(int argc, char *argv[]);

// The arguments, the program's own name first. A word with one dash is a long option: "-platform"
// is refused as the option "platform", not as the letters p, l, a ...
Request parse(const QStringList &arguments);

// Writes the request's texts to standard output and standard error. Returns the request's exit
// status, or 1 where that is 0 but standard output could not take the text (a full disk).
int print(const Request &request);

} // namespace CommandLine
