#include "sheet/CharacterSheet.h"

#include "sheet/IntText.h"

CharacterSheet::CharacterSheet(QObject *parent)
    : QObject(parent), m_bodyHits(IntText::fromInt(0)), m_forcesBonus(IntText::fromInt(0))
{
    for (SheetValue v : SheetNames::allValues())
        m_texts[static_cast<int>(v)] = SheetNames::startText(v);
    for (auto &model : m_lists)
        model = new QStringListModel(this);
}

QString CharacterSheet::text(SheetValue value) const
{
    return m_texts[static_cast<int>(value)];
}

void CharacterSheet::setText(SheetValue value, const QString &text)
{
    QString &slot = m_texts[static_cast<int>(value)];
    if (slot == text)
        return;
    slot = text;
    Q_EMIT textChanged(value, text);
}

int CharacterSheet::number(SheetValue value) const
{
    return IntText::toInt(text(value));
}

void CharacterSheet::setNumber(SheetValue value, int number)
{
    setText(value, IntText::fromInt(number));
}

void CharacterSheet::setTypeIndex(int index)
{
    if (m_typeIndex == index)
        return;
    m_typeIndex = index;
    Q_EMIT typeIndexChanged(index);
}

QStringListModel *CharacterSheet::list(SheetList list) const
{
    return m_lists[static_cast<int>(list)];
}

QStringList CharacterSheet::items(SheetList l) const
{
    return list(l)->stringList();
}

int CharacterSheet::itemCount(SheetList l) const
{
    return list(l)->rowCount();
}

void CharacterSheet::appendItem(SheetList l, const QString &item)
{
    QStringListModel *model = list(l);
    const int row = model->rowCount();
    model->insertRows(row, 1);
    model->setData(model->index(row), item);
}

void CharacterSheet::removeItem(SheetList l, int row)
{
    list(l)->removeRows(row, 1);
}

void CharacterSheet::setItems(SheetList l, const QStringList &items)
{
    list(l)->setStringList(items);
}

void CharacterSheet::setTotalColour(TotalColour colour)
{
    if (m_totalColour == colour)
        return;
    m_totalColour = colour;
    Q_EMIT totalColourChanged(colour);
}

void CharacterSheet::setCelestialEnabled(bool enabled)
{
    if (m_celestialEnabled == enabled)
        return;
    m_celestialEnabled = enabled;
    Q_EMIT celestialEnabledChanged(enabled);
}

void CharacterSheet::setBodyHits(const QString &hits)
{
    if (m_bodyHits == hits)
        return;
    m_bodyHits = hits;
    Q_EMIT bodyHitsChanged(hits);
}

void CharacterSheet::setForcesBonus(const QString &amount)
{
    if (m_forcesBonus == amount)
        return;
    m_forcesBonus = amount;
    Q_EMIT forcesBonusChanged(amount);
}

void CharacterSheet::reset()
{
    setText(SheetValue::CharacterName, SheetNames::startText(SheetValue::CharacterName));
    setTypeIndex(-1);
    for (SheetValue v : SheetNames::allValues()) {
        if (v != SheetValue::CharacterName)
            setText(v, SheetNames::startText(v));
    }
    for (SheetList l : SheetNames::allLists())
        setItems(l, {});
}
