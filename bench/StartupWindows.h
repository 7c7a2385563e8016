#pragma once

// Windows that the start-up benchmark measures the main window against. Each has the main
// window's menu bar, pages, controls, fonts and images, built the plain way: fonts by their
// names, every button image read from its SVG drawing, a list model per list box. Only the
// amount of it that is built differs.

class QMainWindow;

enum class StartupWindowKind
{
    Obvious, // every control of both pages and of all eight resource pages
    Lean,    // only what the first frame shows: the upper area and the Songs page
};

QMainWindow *buildStartupWindow(StartupWindowKind kind);
