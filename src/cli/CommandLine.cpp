#include "cli/CommandLine.h"

#include "cli/Tr.h"
#include "common/QuotedValue.h"
#include "common/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
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
    // The mistake may quote an argument, which may hold anything.
    const QString name = QuotedValue::escapeControls(programName(arguments));
    return {.exitStatus = UsageStatus,
            .error = CliTr::tr("%1: %2\nTry '%1 --help' for more information.\n")
                         .arg(name, QuotedValue::escapeControls(what))};
}

bool anyEmpty(const QStringList &names)
{
    return std::any_of(names.begin(), names.end(), [](const QString &n) { return n.isEmpty(); });
}

// The four options that write files instead of starting the window, by option name.
struct OutputOption
{
    QString name;
    std::optional<SheetExports::Format> format;
};

const QList<OutputOption> &outputOptions()
{
    using SheetExports::Format;
    static const QList<OutputOption> options = {{u"pdf"_s, std::nullopt},
                                                {u"json"_s, Format::Json},
                                                {u"markdown"_s, Format::Markdown},
                                                {u"text"_s, Format::Text}};
    return options;
}

QString windowMistake(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(u"layout"_s))
        return CliTr::tr("--layout is used only with --pdf; the window prints with qmsheet.rav.");
    if (files.size() > 1)
        return CliTr::tr("only one character file can be opened at a time, but %1 were given.")
            .arg(Translations::number(files.size()));
    if (anyEmpty(files))
        return CliTr::tr("the file name is empty.");
    return {};
}

QString optionMistake(const QCommandLineParser &parser, const QString &option)
{
    const bool pdf = option == u"pdf"_s;
    if (parser.values(option).size() > 1 || parser.values(u"layout"_s).size() > 1)
        return CliTr::tr("--%1 and --layout can each be given only once.").arg(option);
    if (!pdf && parser.isSet(u"layout"_s))
        return CliTr::tr("--layout is used only with --pdf.");
    if (parser.value(option).isEmpty() ||
        (parser.isSet(u"layout"_s) && parser.value(u"layout"_s).isEmpty()))
        return CliTr::tr("the name after --%1 or --layout is empty.").arg(option);
    if (parser.positionalArguments().isEmpty())
        return pdf ? CliTr::tr("--pdf needs at least one character file to print.")
                   : CliTr::tr("--%1 needs at least one character file to export.").arg(option);
    if (anyEmpty(parser.positionalArguments()))
        return CliTr::tr("the file name is empty.");
    return {};
}

// OUT takes one FILE, or is a folder for several.
QString destinationMistake(const QString &out, qsizetype files, bool toStandardOutput)
{
    if (toStandardOutput)
        return files > 1
                   ? CliTr::tr("standard output (-) takes one character file, but %1 were given.")
                         .arg(Translations::number(files))
                   : QString();
    if (QFileInfo(out).isDir())
        return {};
    // "out/" asks for a folder as surely as several files do.
    if (out.endsWith(u'/'))
        return CliTr::tr("there is no folder %1.").arg(out);
    if (files > 1)
        return CliTr::tr("%1 character files need a folder to go into, but %2 is not a folder.")
            .arg(Translations::number(files), out);
    return {};
}

QString outMistake(const QCommandLineParser &parser, const QString &option)
{
    const QString problem = optionMistake(parser, option);
    if (!problem.isEmpty())
        return problem;
    const QString out = parser.value(option);
    return destinationMistake(out, parser.positionalArguments().size(),
                              option != u"pdf"_s && out == u"-"_s);
}

// The one output option given, or nothing for the window; a mistake when there are several.
std::optional<OutputOption> outputOption(const QCommandLineParser &parser, QString &mistake)
{
    std::optional<OutputOption> chosen;
    for (const OutputOption &option : outputOptions()) {
        if (!parser.isSet(option.name))
            continue;
        if (chosen)
            mistake = CliTr::tr("only one of --pdf, --json, --markdown and --text can be given.");
        chosen = option;
    }
    return chosen;
}

Request outputRequest(const QCommandLineParser &parser, const OutputOption &option)
{
    const QString out = parser.value(option.name);
    Request request{.files = parser.positionalArguments()};
    if (!option.format) {
        request.pdf = out;
        request.pdfIntoFolder = QFileInfo(out).isDir();
        request.layout = parser.value(u"layout"_s);
        return request;
    }
    request.exportFormat = option.format;
    request.exportOut = out;
    request.exportIntoFolder = out != u"-"_s && QFileInfo(out).isDir();
    return request;
}

} // namespace

QStringList fromArgv(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

namespace {

// The words --help stands for what is given: a character file, the output, a character's name.
struct Placeholders
{
    //: In --help: stands for a character file given on the command line. Capitals, one word.
    QString file = CliTr::tr("FILE");
    //: In --help: stands for the PDF or export file, or the folder, written to. Capitals, one word.
    QString out = CliTr::tr("OUT");
    //: In --help: stands for a character file's name without its extension ("NAME.pdf").
    QString name = CliTr::tr("NAME");
    //: In --help: stands for the name of a print layout, before its extension ("FILE.rav").
    QString layout = CliTr::tr("FILE", "a layout");
};

} // namespace

Request parse(const QStringList &arguments)
{
    const Placeholders words;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        CliTr::tr("Builds player characters for the Vestrine role-playing game."));
    const QCommandLineOption help({u"h"_s, u"help"_s}, CliTr::tr("Show this help and leave."));
    const QCommandLineOption version({u"v"_s, u"version"_s},
                                     CliTr::tr("Show the version and leave."));
    // The four options that write: each is given the output.
    const auto writing = [&words](const QString &option, const QString &description) {
        return QCommandLineOption(option, description, words.out);
    };
    //: %1 stands for a character file, %2 for the output, %3 for a name (FILE, OUT, NAME).
    const QCommandLineOption pdf = writing(
        u"pdf"_s, CliTr::tr("Print the sheet of %1 into %2, a PDF file, or of each %1 into %3.pdf "
                            "in the folder %2, and leave; no window is shown.")
                      .arg(words.file, words.out, words.name));
    //: %1 stands for a character file, %2 for the output, %3 for a name (FILE, OUT, NAME).
    const QCommandLineOption json = writing(
        u"json"_s, CliTr::tr("Export the character of %1 into %2 as JSON, or of each %1 into "
                             "%3.json in the folder %2, and leave; %2 - is standard output.")
                       .arg(words.file, words.out, words.name));
    //: %1 stands for the output, %2 for a name (OUT, NAME).
    const QCommandLineOption markdown =
        writing(u"markdown"_s, CliTr::tr("The same as Markdown, into %1 or %2.md in the folder %1.")
                                   .arg(words.out, words.name));
    //: %1 stands for the output, %2 for a name (OUT, NAME).
    const QCommandLineOption text =
        writing(u"text"_s, CliTr::tr("The same as plain text, into %1 or %2.txt in the folder %1.")
                               .arg(words.out, words.name));
    const QCommandLineOption layout(
        u"layout"_s, CliTr::tr("With --pdf: print with this layout instead of qmsheet.rav."),
        words.layout + u".rav"_s);
    // For the launcher, which gives a first run the default layout in the program's language.
    QCommandLineOption layoutLanguage(u"layout-language"_s);
    layoutLanguage.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, version, pdf, json, markdown, text, layout, layoutLanguage});
    parser.addPositionalArgument(
        words.file,
        CliTr::tr("A character file (*.qmc) to open at the start, or to print with --pdf."),
        u'[' + words.file + u']');

    if (!parser.parse(arguments))
        return mistake(arguments, parser.errorText());
    if (parser.isSet(help)) {
        // Qt's usage line names the program by the path it was started with, which for the
        // installed program is the launcher's path into libexec.
        const QString text = parser.helpText();
        const QString name = programName(arguments);
        //: %1 is the program, %2 stands for a character file, %3 for the output, %4 for a
        //: layout (FILE, OUT, FILE).
        const QString usage = CliTr::tr("Usage: %1 [options] [%2]\n"
                                        "       %1 --pdf %3 [--layout %4.rav] %2...\n"
                                        "       %1 --json|--markdown|--text %3 %2...")
                                  .arg(name, words.file, words.out, words.layout);
        return {.exitStatus = 0, .output = usage + text.mid(text.indexOf(u'\n'))};
    }
    if (parser.isSet(layoutLanguage))
        return {.exitStatus = 0, .output = Translations::desktopLanguage() + u'\n'};
    if (parser.isSet(version))
        return {.exitStatus = 0,
                .output = u"%1 %2\n"_s.arg(programName(arguments),
                                           QCoreApplication::applicationVersion())};
    QString problem;
    const std::optional<OutputOption> option = outputOption(parser, problem);
    if (problem.isEmpty())
        problem = option ? outMistake(parser, option->name) : windowMistake(parser);
    if (!problem.isEmpty())
        return mistake(arguments, problem);
    if (option)
        return outputRequest(parser, *option);
    return {.files = parser.positionalArguments()};
}

int print(const Request &request)
{
    const int status = request.exitStatus.value_or(0);
    const bool written = std::fputs(request.output.toLocal8Bit().constData(), stdout) >= 0 &&
                         std::fflush(stdout) == 0 && !std::ferror(stdout);
    std::fputs(request.error.toLocal8Bit().constData(), stderr);
    if (written)
        return status;
    std::fputs(CliTr::tr("quillmark: the output could not be written\n").toLocal8Bit().constData(),
               stderr);
    return status ? status : 1;
}

} // namespace CommandLine
