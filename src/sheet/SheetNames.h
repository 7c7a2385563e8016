#pragma once

#include "sheet/SheetValues.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The words of the game, each written once: every value's control, JSON key, stored start text
// and label, every list's control, key, heading, tab and printed place, the type names and the
// realms. The window, the printout and the exports take their words and their order from here.
// A stored word (what a file holds: a prompt, a type name, a realm in an item text) is never
// translated; what is shown of it reads in the player's language.
namespace SheetNames {

// A value: its control's object name, its key in the JSON export ("forces" for the three Forces,
// which stand under their realm), the text it starts with as a file stores it (the English
// prompt, or "0"), its label as shown ("Strength") and the window's caption beside its box
// ("Strength:", "MindHits:"; empty where the window has none).
QString controlName(SheetValue value);
QString key(SheetValue value);
QString startText(SheetValue value);
QString label(SheetValue value);
QString caption(SheetValue value);

// What is shown of a stored value: a prompt in the player's language, anything else as it is.
QString shown(SheetValue value, const QString &stored);
// The stored value behind what a control shows: its prompt in the player's language is the
// prompt.
QString stored(SheetValue value, const QString &shown);
// The stored value as the player gave it: empty while it is still its prompt.
QString given(SheetValue value, const QString &stored);

// A label before its value ("Type:"), as the player's language writes it.
QString labelled(const QString &label);

// "Angel" ... "Mundane", by type index 0 to 7: the game's words, also in the settings' keys and
// the check boxes' names.
const QStringList &characterTypeNames();
// The same in the player's language.
QStringList characterTypeLabels();
// The type's words beside the values': its label in the exports, what they show while none is
// chosen, and the window's caption over the type group.
QString typeLabel();
QString noTypeLabel();
QString typeCaption();

// A realm: its JSON key, its Forces and the two characteristics that go with them. Its name is
// the label of its Forces.
struct Realm
{
    QString key;
    SheetValue forces;
    std::array<SheetValue, 2> characteristics;
};
const std::array<Realm, 3> &realms();
// "Corporeal", "Ethereal", "Celestial": the words of the type groups that the item texts hold.
const QStringList &realmNames();
// The same in the player's language.
QStringList realmLabels();

// A list: its control's object name, its key in the JSON export, its heading in the exports, and
// its page's tab: the English word names the page's configuration check box, the caption is
// shown. The attunement lists have no page and no tab.
QString controlName(SheetList list);
QString key(SheetList list);
QString heading(SheetList list);
QString tabName(SheetList list);
QString tabCaption(SheetList list);

// The eight lists with a page, in the order of their configuration check boxes, which the
// settings file keeps too.
const QList<SheetList> &checkBoxOrder();

// The ten lists in the order the printout shows them, which the exports follow.
const QList<SheetList> &printedOrder();
// The printout's two columns: the column a list is printed in (0 or 1), and the header of the
// section it opens, empty for a list that goes on in the section of the one before it.
int printedColumn(SheetList list);
QString printedHeader(SheetList list);

const QStringList &choirBandEntries();
const QStringList &superiorEntries();

std::array<SheetValue, SheetValueCount> allValues();
std::array<SheetList, SheetListCount> allLists();

} // namespace SheetNames
