#pragma once

#include <QObject>
#include <functional>

// Reports every mouse-button press on a list's viewport. A right-button press is taken here, so
// the list keeps the selection the user made with the left button; other buttons reach the list.
class MouseDownFilter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(Qt::MouseButton)>;
    MouseDownFilter(Handler handler, QObject *parent)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_handler;
};
