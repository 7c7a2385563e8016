#pragma once

#include <QString>
#include <QStringList>

class CharacterSheet;
class Prompter;

// The checks an Add runs before it buys anything. Each returns true when the step passes and
// otherwise shows its message and returns false, so a rule reads as its list of steps.
namespace Resources {

QString notEnoughPointsMessage();

// The radio item chosen on a page: its position (-1 for none) and its text.
struct Choice
{
    int index = -1;
    QString text;
};

// The name edit still shows its starting text; any other text, the empty one included, is a name.
bool nameEntered(const QString &name, const QString &placeholder, Prompter &prompter,
                 const QString &message);
bool choiceMade(const Choice &choice, Prompter &prompter, const QString &message);
bool affordable(int cost, int pool, Prompter &prompter);
// A found duplicate shows the message.
bool unique(bool duplicate, Prompter &prompter, const QString &message);

// True when an item begins with the key: an entry's own name (with its type, where the kind has
// types) followed by the separator that follows the name in the kind's item text. The separator
// keeps "Fighting" apart from "Knife Fighting" and a name from the fixed text after it.
bool startsAnItem(const QStringList &items, const QString &key);
// The same for the kinds whose nameless entries are never duplicates: false for an empty name.
bool namedItemStarts(const QStringList &items, const QString &name, const QString &separator);
// True when an item equals the text as a whole.
bool containsEqual(const QStringList &items, const QString &text);

} // namespace Resources
