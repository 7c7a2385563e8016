#include "shell/widgets/ReadWhole.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QListView>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// An item read from a file may be very long; its tooltip stops well short of filling the screen.
constexpr qsizetype longestTip = 2000;

// Shown as plain text: an item holding "<b>" is not taken for markup.
QString tipText(QString text)
{
    if (text.size() > longestTip)
        text = text.left(longestTip) + u'…';
    return u"<p style=\"white-space:pre-wrap\">%1</p>"_s.arg(text.toHtmlEscaped());
}

class ItemTipFilter : public QObject
{
public:
    ItemTipFilter(QListView *list) : QObject(list), m_list(list) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return QObject::eventFilter(watched, event);
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = m_list->indexAt(help->pos());
        if (!index.isValid() || index.data().toString().isEmpty()) {
            QToolTip::hideText();
            return true;
        }
        QToolTip::showText(help->globalPos(), tipText(index.data().toString()), m_list->viewport(),
                           m_list->visualRect(index));
        return true;
    }

private:
    QListView *m_list;
};

// Runs `first` once, at the first focus, press or key that the watched box receives, before the
// box acts on it.
class FirstUse : public QObject
{
public:
    FirstUse(QObject *parent, std::function<void()> first) : QObject(parent), m_first(first) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::FocusIn || type == QEvent::MouseButtonPress ||
            type == QEvent::KeyPress) {
            watched->removeEventFilter(this);
            m_first();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_first;
};

} // namespace

namespace ReadWhole {

void showItemTips(QListView *list)
{
    list->viewport()->installEventFilter(new ItemTipFilter(list));
}

void fitPopupToItems(QComboBox *combo)
{
    const auto fit = [combo] {
        const QFontMetrics metrics(combo->font());
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(i)));
        QAbstractItemView *view = combo->view();
        // Room for the item's own margins, the frame and a scroll bar beside the text.
        const int extra = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          2 * view->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 16;
        view->setMinimumWidth(widest + extra);
    };
    // Measuring every item costs as much as building the box, so the items it starts with are
    // measured when it is first used, before its drop-down can open.
    combo->installEventFilter(new FirstUse(combo, fit));
    QAbstractItemModel *items = combo->model();
    QObject::connect(items, &QAbstractItemModel::rowsInserted, combo, fit);
    QObject::connect(items, &QAbstractItemModel::rowsRemoved, combo, fit);
    QObject::connect(items, &QAbstractItemModel::modelReset, combo, fit);
    QObject::connect(items, &QAbstractItemModel::dataChanged, combo, fit);
}

} // namespace ReadWhole
