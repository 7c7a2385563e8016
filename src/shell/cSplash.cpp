#include "shell/cSplash.h"

#include "shell/widgets/ProgramPicture.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize splashSize{112, 346};
// A display that never maps the window must not hold up the start.
constexpr int exposeTimeoutMs = 2000;

// Runs only the window system's own events (no input) until the window is on the screen.
void waitUntilExposed(QWindow *window)
{
    QDeadlineTimer deadline(exposeTimeoutMs);
    QTimer wakeUp;
    wakeUp.start(20);
    while (window && !window->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
}

} // namespace

TSplashForm::TSplashForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(u"SplashForm"_s);
    setFixedSize(splashSize);
    auto *picture = new ProgramPicture(this);
    picture->setGeometry(rect());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), splashSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TSplashForm::showPainted()
{
    show();
    waitUntilExposed(windowHandle());
    repaint();
}
