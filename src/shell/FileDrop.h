#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

// Files dragged from a file manager onto a window: a drag that carries local files is taken
// anywhere on the window, and a drop hands their paths, in the order dragged, to the handler.
// Edits and combo boxes inside the window no longer take such a drop as text.
class FileDrop : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const QStringList &paths)>;
    static void install(QWidget *window, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FileDrop(QWidget *window, Handler handler);

    Handler m_handler;
};
