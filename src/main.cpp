#include "shell/HelpWindow.h"
#include "shell/cMain.h"
#include "shell/cSplash.h"

#include <QApplication>
#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto splash = std::make_unique<TSplashForm>();
    splash->showPainted();
    setApplicationHelpFile(u"Quillgen.hlp"_s);
    TMainForm mainForm;
    splash.reset();
    mainForm.show();
    return app.exec();
}
