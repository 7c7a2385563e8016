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
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLMARK_VERSION));
    const CommandLine::Request request = CommandLine::parse(QCoreApplication::arguments());
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
