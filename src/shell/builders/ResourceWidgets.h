#pragma once

#include "resources/ResourceChecks.h"
#include "sheet/SheetValues.h"

#include <QList>
#include <array>

class QAbstractButton;
class QLineEdit;
class QListView;
class QWidget;
class TRadioGroup;
class TUpDown;

namespace Resources {
struct Entry;
}

// The controls of one resource kind, as its builder made them from the kind's description.
// Pointers the kind has no control for stay null.
struct EntryWidgets
{
    QWidget *contents = nullptr;    // the page's bevel, which the configuration hides; null for
                                    // the attunements
    QWidget *switchedOff = nullptr; // the note shown in its place
    QLineEdit *edit = nullptr;
    TRadioGroup *type = nullptr;
    QList<QLineEdit *> numbers;
    QList<TUpDown *> upDowns;
    QLineEdit *shownValue = nullptr;
    QAbstractButton *add = nullptr;
    QListView *list = nullptr;
};

// All ten kinds, by SheetList.
struct ResourceWidgets
{
    std::array<EntryWidgets, SheetListCount> kinds;

    EntryWidgets &operator[](SheetList list) { return kinds[static_cast<std::size_t>(list)]; }
    const EntryWidgets &operator[](SheetList list) const
    {
        return kinds[static_cast<std::size_t>(list)];
    }
};

// What the user has entered on a kind's controls now.
Resources::Entry entryOf(const EntryWidgets &widgets);
