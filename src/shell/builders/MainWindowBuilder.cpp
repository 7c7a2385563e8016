#include "shell/builders/MainWindowBuilder.h"

#include "shell/Tr.h"
#include "shell/builders/ControlKit.h"
#include "shell/builders/PageBuilders.h"
#include "shell/widgets/Artwork.h"
#include "shell/widgets/DeferredIcon.h"

#include <QMainWindow>

#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

// The window's client area below the menu bar: the page area over the status bar.
constexpr QSize ClientArea(579, 455);
constexpr int StatusBarHeight = 19;

QWidget *addPage(QTabWidget *pages, const QString &name, const QString &tab)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    pages->addTab(page, tab);
    return page;
}

QFrame *buildPageArea(QMainWindow *form, ResourceWidgets &resources)
{
    auto *panel = new QFrame;
    panel->setObjectName(u"Panel1"_s);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    form->setCentralWidget(panel);

    auto *pages = new QTabWidget(panel);
    pages->setObjectName(u"MainPageControl"_s);
    pages->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setAttribute(Qt::WA_Hover);
    pages->setGeometry(1, 1, ClientArea.width() - 2, ClientArea.height() - StatusBarHeight - 2);
    buildCharSheet(addPage(pages, u"CharSheet"_s, ShellTr::tr("Character Generation")), resources);
    buildConfigPage(addPage(pages, u"ConfigSheet"_s, ShellTr::tr("Configuration")));
    return panel;
}

void buildStatusBar(QMainWindow *form)
{
    auto *status = new QStatusBar;
    status->setObjectName(u"StatusBar1"_s);
    status->setSizeGripEnabled(false);
    status->setFixedHeight(StatusBarHeight);
    form->setStatusBar(status);
}

// A single fixed border with minimise and close but no maximise.
void fixFrame(QMainWindow *form)
{
    form->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint);
    // The menu bar keeps the height its font gives it now, so the client area below it stays
    // exactly as large whatever the style does later.
    QMenuBar *bar = form->menuBar();
    const int forWidth = bar->heightForWidth(ClientArea.width());
    const int menuHeight = forWidth > 0 ? forWidth : bar->sizeHint().height();
    bar->setFixedHeight(menuHeight);
    form->setFixedSize(ClientArea.width(), menuHeight + ClientArea.height());
}

// The program's icon at the sizes window systems ask for, rendered from its drawing at build time
// and read when the window system first asks for it.
QIcon programIcon()
{
    return DeferredIcon::make(
        [] {
            QIcon icon;
            for (int size : {16, 32, 48, 64})
                icon.addPixmap(QPixmap::fromImage(
                    Artwork::readPng(u":/images/quillmark-icon-%1.png"_s.arg(size))));
            return icon;
        },
        false);
}

void centreOnScreen(QMainWindow *form)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        form->move(available.center() - QPoint(form->width() / 2, form->height() / 2));
    }
}

} // namespace

void buildMainWindow(QMainWindow *form, ResourceWidgets &resources)
{
    form->setFont(ControlKit::windowFont());
    form->setWindowIcon(programIcon());
    buildMenuBar(form);
    buildPageArea(form, resources);
    buildStatusBar(form);
    fixFrame(form);
    centreOnScreen(form);
}
