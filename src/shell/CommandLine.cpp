#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace CommandLine {
namespace {

QString programName(const QStringList &arguments)
{
    return QFileInfo(arguments.value(0, u"quillmark"_s)).fileName();
}

Request mistake(const QStringList &arguments, const QString &what)
{
    const QString name = programName(arguments);
    return {
        {}, UsageStatus, {}, u"%1: %2\nTry '%1 --help' for more information.\n"_s.arg(name, what)};
}

} // namespace

QStringList fromArgv(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

Request parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        u"Builds player characters for the Vestrine role-playing game."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Show this help and leave."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Show the version and leave."_s);
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(u"FILE"_s, u"A character file (*.qmc) to open at the start."_s,
                                 u"[FILE]"_s);

    if (!parser.parse(arguments))
        return mistake(arguments, parser.errorText());
    if (parser.isSet(help)) {
        // Qt's usage line names the program by the path it was started with, which for the
        // installed program is the launcher's path into libexec.
        const QString text = parser.helpText();
        const QString usage = u"Usage: %1 [options] [FILE]"_s.arg(programName(arguments));
        return {{}, 0, usage + text.mid(text.indexOf(u'\n')), {}};
    }
    if (parser.isSet(version))
        return {{},
                0,
                u"%1 %2\n"_s.arg(programName(arguments), QCoreApplication::applicationVersion()),
                {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return mistake(arguments, u"only one character file can be opened at a time, but %1 "
                                  u"were given."_s.arg(files.size()));
    if (files.size() == 1 && files.constFirst().isEmpty())
        return mistake(arguments, u"the file name is empty."_s);
    return {files.value(0), std::nullopt, {}, {}};
}

int print(const Request &request)
{
    const int status = request.exitStatus.value_or(0);
    const bool written = std::fputs(request.output.toLocal8Bit().constData(), stdout) >= 0 &&
                         std::fflush(stdout) == 0 && !std::ferror(stdout);
    std::fputs(request.error.toLocal8Bit().constData(), stderr);
    if (written)
        return status;
    std::fputs("quillmark: the output could not be written\n", stderr);
    return status ? status : 1;
}

} // namespace CommandLine
