#pragma once

// The areas of the main window, each built by its own file; buildMainWindow puts them together.

class QTabWidget;
class QWidget;
class QMainWindow;
struct ResourceWidgets;

void buildMenuBar(QMainWindow *form);
// The "Character Generation" page: the upper area with its five bands and, below it, the resource
// pages. Both fill in the controls of the resource kinds they hold.
void buildCharSheet(QWidget *page, ResourceWidgets &resources);
// The eight resource pages inside Panel2.
QTabWidget *buildResourcePages(QWidget *panel, ResourceWidgets &resources);
void buildConfigPage(QWidget *page);
