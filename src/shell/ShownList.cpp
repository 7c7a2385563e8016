#include "shell/ShownList.h"

#include <QStringListModel>

ShownList::ShownList(SheetList list, QStringListModel *items, QObject *parent)
    : QAbstractListModel(parent), m_items(items), m_shown(list)
{
    follow();
}

int ShownList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_items->rowCount();
}

QVariant ShownList::data(const QModelIndex &index, int role) const
{
    const QModelIndex item = m_items->index(index.row(), index.column());
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return item.data(role);
    return m_shown(item.data(Qt::DisplayRole).toString());
}

Qt::ItemFlags ShownList::flags(const QModelIndex &index) const
{
    return m_items->flags(m_items->index(index.row(), index.column()));
}

// Every change of the sheet's list is the same change here. A list of the sheet is never sorted
// in place; a change of its order, should one come, shows as a new list.
void ShownList::follow()
{
    using Items = QStringListModel;
    connect(m_items, &Items::rowsAboutToBeInserted, this,
            [this](const QModelIndex &, int first, int last) { beginInsertRows({}, first, last); });
    connect(m_items, &Items::rowsInserted, this, [this] { endInsertRows(); });
    connect(m_items, &Items::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) { beginRemoveRows({}, first, last); });
    connect(m_items, &Items::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(m_items, &Items::rowsAboutToBeMoved, this,
            [this](const QModelIndex &, int first, int last, const QModelIndex &, int to) {
                beginMoveRows({}, first, last, {}, to);
            });
    connect(m_items, &Items::rowsMoved, this, [this] { endMoveRows(); });
    connect(m_items, &Items::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to, QList<int> roles) {
                // The tooltip is the shown item too, so it changes with the display.
                if (roles.contains(Qt::DisplayRole))
                    roles.append(Qt::ToolTipRole);
                Q_EMIT dataChanged(index(from.row()), index(to.row()), roles);
            });
    connect(m_items, &Items::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(m_items, &Items::modelReset, this, [this] { endResetModel(); });
    connect(m_items, &Items::layoutAboutToBeChanged, this, [this] { beginResetModel(); });
    connect(m_items, &Items::layoutChanged, this, [this] { endResetModel(); });
}
