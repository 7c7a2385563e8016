#include "shell/HelpWindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr const char *helpFileProperty = "quillmarkHelpFile";

// The resource page of a context number; empty when there is none.
QString topicPage(int context)
{
    if (context == helpContentsTopic)
        return u":/help/index.html"_s;
    return {};
}

QString missingHelpText(int context)
{
    QString file = applicationHelpFile();
    if (file.isEmpty())
        file = u"the program"_s;
    return u"The help for %1 could not be found (topic %2). The program itself is not affected: "
           "close this window and carry on."_s.arg(file)
               .arg(context);
}

} // namespace

void setApplicationHelpFile(const QString &name)
{
    QCoreApplication::instance()->setProperty(helpFileProperty, name);
}

QString applicationHelpFile()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app ? app->property(helpFileProperty).toString() : QString();
}

HelpWindow::HelpWindow(QWidget *owner) : QWidget(owner, Qt::Window), m_browser(new QTextBrowser)
{
    setObjectName(u"HelpWindow"_s);
    setWindowTitle(u"Quillmark Help"_s);
    resize(620, 520);
    m_browser->setObjectName(u"HelpBrowser"_s);
    m_browser->setOpenLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

void HelpWindow::showTopic(int context)
{
    const QString page = topicPage(context);
    if (!page.isEmpty() && QFile::exists(page))
        m_browser->setSource(QUrl(u"qrc"_s + page));
    else
        m_browser->setPlainText(missingHelpText(context));
    show();
    raise();
    activateWindow();
}
