#include "shell/widgets/MouseDownFilter.h"

#include <QMouseEvent>

bool MouseDownFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QObject::eventFilter(watched, event);
    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
    m_handler(button);
    return button == Qt::RightButton;
}
