#pragma once

class QWidget;

// The window's Tab order. Most controls are laid out to take the focus only when clicked, so
// Qt's own Tab would pass them by and leave them to the mouse. Tab and Shift+Tab walk every
// control of the window that is shown, enabled and takes the focus at all, in the order of the
// window's focus chain; null when there is none.
QWidget *nextKeyboardStop(QWidget *from, bool forward);
