#pragma once

#include "sheet/SheetValues.h"

#include <QObject>
#include <QStringListModel>
#include <array>

// The one character being edited: the sixteen texts exactly as shown, the type index (-1 for
// none), the ten item lists and the two pieces of presentation state that the rules set. The main
// window binds its controls to this object both ways, so a rule reads what the user sees and its
// writes show at once. Rules convert texts with number(), which raises the conversion error.
class CharacterSheet : public QObject
{
    Q_OBJECT

public:
    explicit CharacterSheet(QObject *parent = nullptr);

    QString text(SheetValue value) const;
    void setText(SheetValue value, const QString &text);

    // The text read as an integer; raises "'<text>' is not a valid integer value".
    int number(SheetValue value) const;
    void setNumber(SheetValue value, int number);

    // The selected character type, -1 for none. Setting it here only records it: the type
    // choice with its starting values is a rule (CharacterTypes).
    int typeIndex() const { return m_typeIndex; }
    void setTypeIndex(int index);
    bool hasType() const { return m_typeIndex >= 0; }

    QStringListModel *list(SheetList list) const;
    QStringList items(SheetList list) const;
    int itemCount(SheetList list) const;
    void appendItem(SheetList list, const QString &item);
    void removeItem(SheetList list, int row);
    void setItems(SheetList list, const QStringList &items);

    TotalColour totalColour() const { return m_totalColour; }
    void setTotalColour(TotalColour colour);

    bool celestialEnabled() const { return m_celestialEnabled; }
    void setCelestialEnabled(bool enabled);

    // Two boxes beside the sheet that rules write: the Body Hits shown on the Vessels page, and
    // the forces bonus amount, which a refused bonus sets back to "0". A character file stores
    // neither, and New and Open leave both as they are.
    QString bodyHits() const { return m_bodyHits; }
    void setBodyHits(const QString &hits);
    QString forcesBonus() const { return m_forcesBonus; }
    void setForcesBonus(const QString &amount);

    // New and Open: every value back to its starting text, no type, all lists empty, in the
    // order of the reset table. The colour and the Celestial state stay as they are.
    void reset();

Q_SIGNALS:
    void textChanged(SheetValue value, const QString &text);
    void typeIndexChanged(int index);
    void totalColourChanged(TotalColour colour);
    void celestialEnabledChanged(bool enabled);
    void bodyHitsChanged(const QString &hits);
    void forcesBonusChanged(const QString &amount);

private:
    std::array<QString, SheetValueCount> m_texts;
    std::array<QStringListModel *, SheetListCount> m_lists{};
    int m_typeIndex = -1;
    TotalColour m_totalColour = TotalColour::Menu;
    bool m_celestialEnabled = true;
    QString m_bodyHits;
    QString m_forcesBonus;
};
