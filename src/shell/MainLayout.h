#pragma once

class TMainForm;

// Builds every control, page, label, group and menu item of the main window with its name, size,
// position, font and starting value. Runs no handler.
void buildMainWindow(TMainForm *form);
