#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

// Files dragged from a file manager onto a window: a drag that carries local files is taken
// anywhere on the window, and a drop hands their paths, in the order dragged, to the handler.
// The window's edits (those of its combo boxes too) hand such a drop on instead of taking the
// paths as text; text dragged into them still drops there.
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

    QWidget *m_window;
    Handler m_handler;
};
