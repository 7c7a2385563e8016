#include "shell/HelpWindow.h"
#include "shell/cAbout.h"
#include "shell/cMain.h"

using namespace Qt::StringLiterals;

void TMainForm::HelpTopics1Click()
{
    auto *help = findChild<HelpWindow *>(u"HelpWindow"_s, Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(this);
    help->showTopic(helpContentsTopic);
}

void TMainForm::About1Click()
{
    // A local box: destroyed when its showing ends, also when that ends with an error.
    TAboutForm about(this);
    about.exec();
}
