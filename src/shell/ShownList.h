#pragma once

#include "resources/ItemFields.h"

#include <QAbstractListModel>

class QStringListModel;

// A list as the player reads it: row for row the sheet's own list, whose display and tooltip are
// the shown items, in the player's language; every other role passes through. The rules read the
// sheet's list, so refunds and duplicate checks work on the stored text, and a row here is the
// same row there.
//
// It does what a QIdentityProxyModel over the list would, for a flat list. Qt 6.4's proxy makes
// some forty string-based connections as it is built and given its source, about 0.9 million
// instructions a list at start-up; this one follows its list through member-function connections.
class ShownList : public QAbstractListModel
{
public:
    ShownList(SheetList list, QStringListModel *items, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void follow();

    QStringListModel *m_items;
    Resources::ShownItems m_shown;
};
