#pragma once

#include "resources/DeleteSequence.h"
#include "resources/ResourceChecks.h"
#include "sheet/SheetValues.h"

#include <QList>
#include <QString>
#include <QStringList>

class CharacterSheet;
class Prompter;

// One description per resource kind: everything the window needs to build the kind's entry
// controls and everything a click needs to reach the kind's rules. A control's name, a prompt
// text and a label are written here once; the window builds from them and keeps typed pointers.
namespace Resources {

// A control's object name together with the words a person would use for it.
struct Control
{
    QString name;
    QString spoken;
};

// A number box with its up/down arrows.
struct NumberField
{
    QString label; // "Level:"
    Control edit;
    Control upDown;
    int minimum;
    int maximum;
    int start;
};

// What the user entered on a kind's controls at the moment of a click.
struct Entry
{
    QString name;
    Choice type;         // the type group's choice; index -1 when the kind has no group
    QStringList numbers; // the number boxes' texts, in the order of the kind's fields
};

using AddRule = void (*)(CharacterSheet &sheet, const Entry &entry, Prompter &prompter);

struct ResourceKind
{
    SheetList list;
    Control page;    // the tab sheet; empty for the attunements, which stand on the character sheet
    QString caption; // the label beside the name edit ("Song:"); over the list for attunements
    Control edit;
    QString prompt;
    Control typeGroup; // empty when the kind has no type group
    QString typeTitle;
    QList<NumberField> numbers;
    bool numbersEditable;
    Control shownValue; // a box the Add writes but the user does not: Body Hits on the Vessels page
    QString shownLabel;
    Control add;
    QString addCaption;
    QString listSpoken;
    AddRule addRule;
    DeleteRule deleteRule;
};

// By list, for all ten lists.
const ResourceKind &resourceKind(SheetList list);
// The eight kinds that have a page of their own, in the order of the tabs.
const QList<SheetList> &resourcePageOrder();

} // namespace Resources
