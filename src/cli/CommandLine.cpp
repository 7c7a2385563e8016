#include "cli/CommandLine.h"

#include "common/QuotedValue.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

namespace CommandLine {
namespace {

QString programName(const QStringList &arguments)
{
    return QFileInfo(arguments.value(0, u"quillmark"_s)).fileName();
}

Request mistake(const QStringList &arguments, const QString &what)
{
    // The mistake may quote an argument, which may hold anything.
    const QString name = QuotedValue::escapeControls(programName(arguments));
    return {.exitStatus = UsageStatus,
            .error = Text::tr("%1: %2\nTry '%1 --help' for more information.\n")
                         .arg(name, QuotedValue::escapeControls(what))};
}

bool anyEmpty(const QStringList &names)
{
    return std::any_of(names.begin(), names.end(), [](const QString &n) { return n.isEmpty(); });
}

QString windowMistake(const QCommandLineParser &parser, const QCommandLineOption &layout)
{
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(layout))
        return Text::tr("--layout is used only with --pdf; the window prints with qmsheet.rav.");
    if (files.size() > 1)
        return Text::tr("only one character file can be opened at a time, but %1 were given.")
            .arg(files.size());
    if (anyEmpty(files))
        return Text::tr("the file name is empty.");
    return {};
}

QString pdfMistake(const QCommandLineParser &parser, const QCommandLineOption &pdf,
                   const QCommandLineOption &layout)
{
    const QStringList files = parser.positionalArguments();
    const QString out = parser.value(pdf);
    if (parser.values(pdf).size() > 1 || parser.values(layout).size() > 1)
        return Text::tr("--pdf and --layout can each be given only once.");
    if (out.isEmpty() || (parser.isSet(layout) && parser.value(layout).isEmpty()))
        return Text::tr("the name after --pdf or --layout is empty.");
    if (files.isEmpty())
        return Text::tr("--pdf needs at least one character file to print.");
    if (anyEmpty(files))
        return Text::tr("the file name is empty.");
    if (QFileInfo(out).isDir())
        return {};
    // "out/" asks for a folder as surely as several files do.
    if (out.endsWith(u'/'))
        return Text::tr("there is no folder %1.").arg(out);
    if (files.size() > 1)
        return Text::tr("%1 character files need a folder to go into, but %2 is not a folder.")
            .arg(QString::number(files.size()), out);
    return {};
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
        Text::tr("Builds player characters for the Vestrine role-playing game."));
    const QCommandLineOption help({u"h"_s, u"help"_s}, Text::tr("Show this help and leave."));
    const QCommandLineOption version({u"v"_s, u"version"_s},
                                     Text::tr("Show the version and leave."));
    const QCommandLineOption pdf(
        u"pdf"_s,
        Text::tr(
            "Print the sheet of FILE into OUT, a PDF file, or of each FILE into NAME.pdf in the "
            "folder OUT, and leave; no window is shown."),
        u"OUT"_s);
    const QCommandLineOption layout(
        u"layout"_s, Text::tr("With --pdf: print with this layout instead of qmsheet.rav."),
        u"FILE.rav"_s);
    parser.addOptions({help, version, pdf, layout});
    parser.addPositionalArgument(
        u"FILE"_s,
        Text::tr("A character file (*.qmc) to open at the start, or to print with --pdf."),
        u"[FILE]"_s);

    if (!parser.parse(arguments))
        return mistake(arguments, parser.errorText());
    if (parser.isSet(help)) {
        // Qt's usage line names the program by the path it was started with, which for the
        // installed program is the launcher's path into libexec.
        const QString text = parser.helpText();
        const QString name = programName(arguments);
        const QString usage = Text::tr("Usage: %1 [options] [FILE]\n"
                                       "       %1 --pdf OUT [--layout FILE.rav] FILE...")
                                  .arg(name);
        return {.exitStatus = 0, .output = usage + text.mid(text.indexOf(u'\n'))};
    }
    if (parser.isSet(version))
        return {.exitStatus = 0,
                .output = u"%1 %2\n"_s.arg(programName(arguments),
                                           QCoreApplication::applicationVersion())};
    const QString problem =
        parser.isSet(pdf) ? pdfMistake(parser, pdf, layout) : windowMistake(parser, layout);
    if (!problem.isEmpty())
        return mistake(arguments, problem);
    return {.files = parser.positionalArguments(),
            .pdf = parser.value(pdf),
            .pdfIntoFolder = QFileInfo(parser.value(pdf)).isDir(),
            .layout = parser.value(layout)};
}

int print(const Request &request)
{
    const int status = request.exitStatus.value_or(0);
    const bool written = std::fputs(request.output.toLocal8Bit().constData(), stdout) >= 0 &&
                         std::fflush(stdout) == 0 && !std::ferror(stdout);
    std::fputs(request.error.toLocal8Bit().constData(), stderr);
    if (written)
        return status;
    std::fputs(Text::tr("quillmark: the output could not be written\n").toLocal8Bit().constData(),
               stderr);
    return status ? status : 1;
}

} // namespace CommandLine
