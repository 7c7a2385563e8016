#include "cli/Batch.h"
#include "cli/CommandLine.h"
#include "common/QuotedValue.h"
#include "common/Translations.h"
#include "files/BrokenPipes.h"
#include "shell/EndingSignals.h"
#include "shell/HelpWindow.h"
#include "shell/cMain.h"
#include "shell/cSplash.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Qt ends the program with abort() when the platform it was asked for cannot start (no display
// for "xcb"); while the application object is made, that ends it with status 1 instead.
bool startingPlatform = false;
QtMessageHandler qtHandler = nullptr;
// The program's catalogue, loaded before the application object for the one message that comes
// while that object is being made.
QTranslator *earlyCatalogue = nullptr;

// The command line's context: it is --pdf that meets this message.
const char *const PlatformFailed = QT_TRANSLATE_NOOP(
    "Quillmark::Cli",
    "quillmark: the platform %1 could not be started; unset QT_QPA_PLATFORM to print "
    "without a display\n");

void endIfPlatformFailed(QtMsgType type)
{
    if (type == QtFatalMsg && startingPlatform) {
        std::fflush(stderr);
        std::_Exit(1);
    }
}

// The window keeps Qt's own messages, also the one on a platform that could not start.
void qtMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (qtHandler)
        qtHandler(type, context, message);
    endIfPlatformFailed(type);
}

// With --pdf only the program's own messages go to standard error, where scripts read them, not
// Qt's notes on its surroundings ("XDG_RUNTIME_DIR not set" ...); its errors still do.
void onlyQtErrors(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg && startingPlatform) {
        const QString platform = QuotedValue::quote(qEnvironmentVariable("QT_QPA_PLATFORM"), u'\'');
        QString text = earlyCatalogue ? earlyCatalogue->translate("Quillmark::Cli", PlatformFailed)
                                      : QString();
        text = (text.isEmpty() ? QString::fromUtf8(PlatformFailed) : text)
                   .arg(QuotedValue::escapeControls(platform));
        std::fputs(text.toLocal8Bit().constData(), stderr);
        endIfPlatformFailed(type);
    }
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "quillmark: %s\n",
                     QuotedValue::escapeControls(message).toLocal8Bit().constData());
}

// No window, no splash and no settings file: the sheets go straight into PDF files. Qt's
// offscreen platform needs no display, so this runs over SSH and in scripts too.
int printToPdf(char *argv[], const CommandLine::Request &request)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onlyQtErrors);
    QTranslator catalogue;
    if (Translations::loadProgramCatalogue(catalogue, Translations::desktopLanguage()))
        earlyCatalogue = &catalogue;
    int qtArgc = 1;
    startingPlatform = true;
    QApplication app(qtArgc, argv);
    startingPlatform = false;
    earlyCatalogue = nullptr;
    Translations::install(Translations::desktopLanguage());
    return Batch::run(request);
}

// Help, the version and mistakes are told in the desktop's language. Translations need an
// application object; the one made here needs no display and ends with the program.
int answerAtOnce(char *argv[], const QStringList &arguments)
{
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    Translations::install(Translations::desktopLanguage());
    return CommandLine::print(CommandLine::parse(arguments));
}

// The exports draw nothing, so they need no platform at all.
int exportCharacters(char *argv[], const CommandLine::Request &request)
{
    qInstallMessageHandler(onlyQtErrors);
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    Translations::install(Translations::desktopLanguage());
    return Batch::run(request);
}

} // namespace

int main(int argc, char *argv[])
{
    ignoreBrokenPipes();
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
    // The arguments are read before Qt starts, so that help and mistakes need no display. Qt
    // takes its own options (-stylesheet FILE, -platform NAME, -reverse ...) out of whatever it
    // is given, even after "--". It is given only the program's name, so that every argument
    // is the program's own and an option it does not know is refused like any other.
    const QStringList arguments = CommandLine::fromArgv(argc, argv);
    const CommandLine::Request request = CommandLine::parse(arguments);
    if (request.exitStatus)
        return answerAtOnce(argv, arguments);
    if (!request.pdf.isEmpty())
        return printToPdf(argv, request);
    if (request.exportFormat)
        return exportCharacters(argv, request);
    qtHandler = qInstallMessageHandler(qtMessages);
    int qtArgc = 1;
    startingPlatform = true;
    QApplication app(qtArgc, argv);
    startingPlatform = false;
    Translations::install(Translations::desktopLanguage());
    // From here a signal that ends the program waits for the event loop, which keeps a changed
    // character in its recovery copy first.
    EndingSignals ending;
    auto splash = std::make_unique<TSplashForm>();
    splash->showPainted();
    setApplicationHelpFile(u"Quillgen.hlp"_s);
    TMainForm mainForm;
    splash.reset();
    QObject::connect(&ending, &EndingSignals::received, &mainForm, &TMainForm::endBySignal);
    if (!request.files.isEmpty())
        mainForm.openWhenShown(request.files.first());
    mainForm.show();
    return app.exec();
}
