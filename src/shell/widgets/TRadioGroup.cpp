#include "shell/widgets/TRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

TRadioGroup::TRadioGroup(const QString &title, const QStringList &items, const QStringList &labels,
                         int columns, QWidget *parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this)), m_items(items)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(labels.value(i, items.at(i)), this);
        button->setFocusPolicy(Qt::ClickFocus);
        m_buttons.append(button);
        m_group->addButton(button, i);
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(m_group, &QButtonGroup::idToggled, this, &TRadioGroup::onButtonToggled);
}

QString TRadioGroup::itemText(int index) const
{
    return m_items.value(index);
}

void TRadioGroup::showItemIndex(int index)
{
    if (index < -1 || index >= m_buttons.size())
        index = -1;
    const QSignalBlocker blocker(m_group);
    m_group->setExclusive(false);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setChecked(i == index);
    m_group->setExclusive(true);
    m_index = index;
}

void TRadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= m_buttons.size() || index == m_index)
        return;
    showItemIndex(index);
    if (index >= 0)
        Q_EMIT clicked(index);
}

void TRadioGroup::onButtonToggled(int id, bool checked)
{
    if (!checked || id == m_index)
        return;
    m_index = id;
    Q_EMIT clicked(id);
}
