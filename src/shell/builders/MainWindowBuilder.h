#pragma once

class QMainWindow;
struct ResourceWidgets;

// Builds every control, page, label, group and menu item of the main window with its name, size,
// position, font and starting value, and hands back the resource kinds' controls. Runs no handler.
void buildMainWindow(QMainWindow *form, ResourceWidgets &resources);
