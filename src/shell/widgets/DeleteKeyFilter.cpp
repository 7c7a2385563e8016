#include "shell/widgets/DeleteKeyFilter.h"

#include <QKeyEvent>

namespace {

bool isDeleteKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Menu)
        return modifiers == Qt::NoModifier;
    return key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
}

} // namespace

bool DeleteKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    // The context-menu key also raises a context-menu event; the list shows no menu, so the
    // key press alone runs the delete.
    if (event->type() != QEvent::KeyPress || !isDeleteKey(static_cast<QKeyEvent *>(event)))
        return QObject::eventFilter(watched, event);
    m_handler();
    return true;
}
