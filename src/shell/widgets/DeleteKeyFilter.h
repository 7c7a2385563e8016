#pragma once

#include <QObject>
#include <functional>

// Runs a list's delete from the keyboard: Delete, the context-menu key or Shift+F10 pressed on
// the list does what a right-button press on it does. Other keys reach the list.
class DeleteKeyFilter : public QObject
{
    Q_OBJECT

public:
    DeleteKeyFilter(std::function<void()> handler, QObject *parent)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_handler;
};
