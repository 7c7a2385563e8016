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

// The arguments as QCoreApplication::arguments() gives them, the program's own name first and
// the window system's options already taken out.
Request parse(const QStringList &arguments);

// Writes the request's texts to standard output and standard error. Returns the request's exit
// status, or 1 where that is 0 but standard output could not take the text (a full disk).
int print(const Request &request);

} // namespace CommandLine
