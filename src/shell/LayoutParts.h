#pragma once

// The areas of the main window, each built by its own file; buildMainWindow puts them together.

class QTabWidget;
class QWidget;
class TMainForm;

void buildMenuBar(TMainForm *form);
// The "Character Generation" page: the upper area with its five bands and, below it, the resource
// pages.
void buildCharSheet(QWidget *page);
// The eight resource pages inside Panel2.
QTabWidget *buildResourcePages(QWidget *panel);
void buildConfigPage(QWidget *page);
