#include "shell/widgets/KeyboardWalk.h"

#include <QWidget>

namespace {

bool isKeyboardStop(const QWidget *widget, const QWidget *window)
{
    // A control with a focus proxy hands the focus on; the proxy is a stop of its own.
    return (widget->focusPolicy() & Qt::ClickFocus) && !widget->focusProxy() &&
           widget->isEnabled() && widget->window() == window && widget->isVisibleTo(window);
}

} // namespace

QWidget *nextKeyboardStop(QWidget *from, bool forward)
{
    QWidget *window = from->window();
    QWidget *widget = from;
    do {
        widget = forward ? widget->nextInFocusChain() : widget->previousInFocusChain();
        if (isKeyboardStop(widget, window))
            return widget;
    } while (widget != from);
    return nullptr;
}
