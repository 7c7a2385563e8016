#include "shell/HelpWindow.h"

#include "common/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr const char *helpFileProperty = "quillmarkHelpFile";

// The resource page of a context number; empty when there is none.
QString topicPage(int context)
{
    if (context != helpContentsTopic)
        return {};
    // The pages in the program's language where they are there, the English ones otherwise.
    const QString translated = u":/help/%1/index.html"_s.arg(Translations::language());
    if (!Translations::language().isEmpty() && QFile::exists(translated))
        return translated;
    return u":/help/index.html"_s;
    return {};
}

QString missingHelpText(int context)
{
    QString which = HelpWindow::tr("topic %1").arg(context);
    if (const QString file = applicationHelpFile(); !file.isEmpty())
        which = HelpWindow::tr("%1, %2").arg(file, which);
    return HelpWindow::tr(
               "The help page you asked for (%1) could not be found. Quillmark itself is not "
               "affected: close this window and carry on with your work.")
        .arg(which);
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
    setWindowTitle(tr("Quillmark Help"));
    resize(620, 520);
    m_browser->setObjectName(u"HelpBrowser"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildNavigation());
    layout->addWidget(m_browser);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

// Centred on the owner, and no larger than the room the owner's screen leaves free (at a scale
// factor of 2 that room is half the screen's pixels).
void HelpWindow::placeOverOwner()
{
    QWidget *owner = parentWidget();
    const QScreen *screen = owner ? owner->screen() : this->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    // The frame the window manager adds is not known before the first showing; leave room for
    // a usual one.
    constexpr int frame = 40;
    resize(std::min(width(), room.width() - frame), std::min(height(), room.height() - frame));
    QRect placed(QPoint(), frameGeometry().size().expandedTo(size()));
    placed.moveCenter(owner ? owner->frameGeometry().center() : room.center());
    const auto within = [](int at, int low, int length, int roomLength) {
        return std::max(low, std::min(at, low + roomLength - length));
    };
    placed.moveLeft(within(placed.left(), room.left(), placed.width(), room.width()));
    placed.moveTop(within(placed.top(), room.top(), placed.height(), room.height()));
    move(placed.topLeft());
}

// Contents, Back and Forward, as in any help viewer.
QWidget *HelpWindow::buildNavigation()
{
    auto *bar = new QToolBar;
    QAction *contents = bar->addAction(tr("&Contents"), m_browser, &QTextBrowser::home);
    contents->setObjectName(u"HelpContents"_s);
    QAction *back = bar->addAction(tr("&Back"), m_browser, &QTextBrowser::backward);
    back->setObjectName(u"HelpBack"_s);
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction *forward = bar->addAction(tr("&Forward"), m_browser, &QTextBrowser::forward);
    forward->setObjectName(u"HelpForward"_s);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    return bar;
}

void HelpWindow::showTopic(int context)
{
    const QString page = topicPage(context);
    if (!page.isEmpty() && QFile::exists(page))
        m_browser->setSource(QUrl(u"qrc"_s + page));
    else
        m_browser->setPlainText(missingHelpText(context));
    if (!std::exchange(m_placed, true))
        placeOverOwner();
    show();
    raise();
    activateWindow();
}
