#pragma once

#include "sheet/SheetValues.h"

#include <QList>
#include <QString>
#include <optional>

// An item text read back into the parts its kind wrote into it: the name, the realm of a Song,
// Artifact or Discord, and the kind's numbers ("level", "cost", "bodyHits", "charisma",
// "status", "class", "modifier"). Songs and Skills cost their level; an attunement costs what its
// list costs. The numbers are the texts as they stand in the item.
namespace Resources {

struct ItemField
{
    QString key;
    QString text;
    bool number;
};

// The parts in a fixed order, or nothing when the text does not follow its kind's format (a
// hand-edited file): a number part must be decimal digits with an optional sign.
std::optional<QList<ItemField>> readItem(SheetList list, const QString &text);

} // namespace Resources
