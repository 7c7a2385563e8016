#pragma once

#include "sheet/SheetValues.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// An item text read back into the parts its kind wrote into it, and shown from them in the
// player's language. Each kind's format is one English pattern per realm (or one, for a kind
// without realms): the stored text it describes is what the rules write and the files hold, and
// its translation is how the item reads on the screen, the printout and the Markdown and text
// exports. The parts are the name, the realm of a Song, Artifact or Discord, and the kind's
// numbers ("level", "cost", "bodyHits", "charisma", "status", "class", "modifier"). Songs and
// Skills cost their level; an attunement costs what its list costs.
namespace Resources {

struct ItemField
{
    QString key;
    QString text;
    bool number;
};

// The parts in the order the format names them, then the cost where it is not written, or
// nothing when the text does not follow its kind's format (a hand-edited file): a number part
// must be decimal digits with an optional sign. The name takes as much as it can, so a name
// holding a separator keeps it, as the refund does.
std::optional<QList<ItemField>> readItem(SheetList list, const QString &text);

// The text a kind's rule stores for a bought item: the kind's English pattern for the realm (0
// for a kind without realms) filled with the parts in the order the pattern names them. What is
// stored is what readItem() and ShownItems read back.
QString storedItem(SheetList list, int realm, const QStringList &parts);
// What every stored item of that kind, realm and name begins with: the pattern up to its second
// part ("Corporeal Song of Charm ,Level:", "Knife Fighting Level:"). The text after the name
// keeps "Fighting" apart from "Knife Fighting"; the rules find a duplicate by it.
QString storedKey(SheetList list, int realm, const QString &name);

// A list's items as the player reads them. Under English, and for a kind whose items are free
// text, an item is shown exactly as stored; otherwise an item that follows its format is shown
// through its pattern's translation, and one that does not as stored. Takes the patterns in the
// installed language once, so showing many items costs one look-up each.
class ShownItems
{
public:
    explicit ShownItems(SheetList list);
    QString operator()(const QString &stored) const;
    QStringList operator()(const QStringList &stored) const;

private:
    SheetList m_list;
    QStringList m_patterns; // translated, by realm; empty when items show as stored
};

} // namespace Resources
