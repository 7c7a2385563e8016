#include "shell/widgets/FileDrop.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

QStringList localFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

void FileDrop::install(QWidget *window, Handler handler)
{
    // A drag reaches the widget under the mouse that takes drops, or its nearest parent that
    // does: the window itself or one of its edits.
    auto *drop = new FileDrop(window, std::move(handler));
    window->setAcceptDrops(true);
    window->installEventFilter(drop);
    for (QLineEdit *edit : window->findChildren<QLineEdit *>())
        edit->installEventFilter(drop);
}

FileDrop::FileDrop(QWidget *window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler))
{
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (localFiles(drag->mimeData()).isEmpty()) {
            // Anything else is the edit's own business; the window takes nothing else.
            if (watched != m_window)
                return false;
            drag->ignore();
        } else {
            drag->acceptProposedAction();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = localFiles(drop->mimeData());
        if (paths.isEmpty())
            return watched == m_window;
        drop->acceptProposedAction();
        // Opened once the drop has ended, so that the file manager is not kept waiting while a
        // message box is open.
        QTimer::singleShot(0, this, [this, paths] { m_handler(paths); });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
