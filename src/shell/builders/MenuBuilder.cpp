#include "shell/builders/PageBuilders.h"

#include "shell/Tr.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(name);
    // The open menu speaks its caption without the access key's marker.
    menu->setAccessibleName(QString(caption).remove(u'&'));
    return menu;
}

QAction *addItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    item->setIconVisibleInMenu(false);
    return item;
}

} // namespace

void buildMenuBar(QMainWindow *form)
{
    QMenuBar *bar = form->menuBar();
    bar->setObjectName(u"MainMenu"_s);
    // Kept inside the window on every desktop, so the window's size is the same everywhere.
    bar->setNativeMenuBar(false);
    bar->setAccessibleName(ShellTr::tr("Menu bar"));

    QMenu *file = addMenu(bar, u"File1"_s, ShellTr::tr("&File"));
    addItem(file, u"New1"_s, ShellTr::tr("&New"));
    addItem(file, u"Open1"_s, ShellTr::tr("&Open"));
    addItem(file, u"Save1"_s, ShellTr::tr("&Save"));
    addItem(file, u"Print1"_s, ShellTr::tr("&Print"));
    file->addSeparator();
    addItem(file, u"Exit1"_s, ShellTr::tr("E&xit"));

    QMenu *help = addMenu(bar, u"Help1"_s, ShellTr::tr("&Help"));
    // F1 opens the help, as on every desktop; it works wherever the focus is in the window.
    addItem(help, u"HelpTopics1"_s, ShellTr::tr("Help &Topics"))
        ->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    addItem(help, u"About1"_s, ShellTr::tr("&About"));
}
