#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons with one selected index, -1 for none, laid out in columns.
// clicked() is raised whenever the selection moves to another item, by the user or by
// setItemIndex(); a change to -1 raises nothing. showItemIndex() changes what is shown only.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY clicked)

public:
    // `items` are the words a choice stands for, `labels` what the buttons show of them.
    TRadioGroup(const QString &title, const QStringList &items, const QStringList &labels,
                int columns, QWidget *parent = nullptr);

    int itemIndex() const { return m_index; }
    void setItemIndex(int index);
    void showItemIndex(int index);
    QString itemText(int index) const;
    int count() const { return int(m_buttons.size()); }
    QRadioButton *button(int index) const { return m_buttons.at(index); }

Q_SIGNALS:
    void clicked(int index);

private:
    void onButtonToggled(int id, bool checked);

    QButtonGroup *m_group;
    QList<QRadioButton *> m_buttons;
    QStringList m_items;
    int m_index = -1;
};
