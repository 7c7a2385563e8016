#include "files/BrokenPipes.h"
#include "shell/CommandLine.h"
#include "shell/HelpWindow.h"
#include "shell/cMain.h"
#include "shell/cSplash.h"

#include <QApplication>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    ignoreBrokenPipes();
    // Qt takes its own options (-stylesheet FILE, -platform NAME, -reverse ...) out of whatever
    // it is given, even after "--". It is given only the program's name, so that every argument
    // is the program's own and an option it does not know is refused like any other.
    const QStringList arguments = CommandLine::fromArgv(argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
    const CommandLine::Request request = CommandLine::parse(arguments);
    if (request.exitStatus)
        return CommandLine::print(request);
    auto splash = std::make_unique<TSplashForm>();
    splash->showPainted();
    setApplicationHelpFile(u"Quillgen.hlp"_s);
    TMainForm mainForm;
    splash.reset();
    mainForm.show();
    // Opened from the event loop, once the window has had its first showing.
    if (!request.file.isEmpty())
        QTimer::singleShot(0, &mainForm, [&] { mainForm.openCharacterFile(request.file); });
    return app.exec();
}
