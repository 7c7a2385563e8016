#pragma once

#include <QWidget>

// The borderless window that stands on the screen while the main window is being built.
class TSplashForm : public QWidget
{
    Q_OBJECT

public:
    explicit TSplashForm(QWidget *parent = nullptr);

    // Shows the window and returns only when it is drawn completely on the screen, so it stays
    // visible while the caller works without running an event loop.
    void showPainted();
};
