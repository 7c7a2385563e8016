#pragma once

#include <QString>
#include <QStringList>

class CharacterSheet;
class Prompter;

// The checks an Add runs before it buys anything. Each returns true when the step passes and
// otherwise shows its message and returns false, so a rule reads as its list of steps.
namespace Resources {

QString notEnoughPointsMessage();

// The radio item chosen on a page: its position (-1 for none), which is the realm of a Song,
// Artifact or Discord.
struct Choice
{
    int index = -1;
};

// The name edit still shows its starting text; any other text, the empty one included, is a name.
bool nameEntered(const QString &name, const QString &placeholder, Prompter &prompter,
                 const QString &message);
bool choiceMade(const Choice &choice, Prompter &prompter, const QString &message);
bool affordable(int cost, int pool, Prompter &prompter);
// A found duplicate shows the message.
bool unique(bool duplicate, Prompter &prompter, const QString &message);

// True when an item begins with the key: what every stored item of an entry's kind, type and
// name begins with (storedKey() in resources/ItemFields.h).
bool startsAnItem(const QStringList &items, const QString &key);
// The same for the kinds whose nameless entries are never duplicates: false for an empty name.
bool namedItemStarts(const QStringList &items, const QString &name, const QString &key);
// True when an item equals the text as a whole.
bool containsEqual(const QStringList &items, const QString &text);

} // namespace Resources
