#pragma once

#include "sheet/SheetValues.h"

#include <QString>

class CharacterSheet;

// Arithmetic on the Character Point pool. Every computation here is checked ("Integer overflow"),
// and a rule finishes all of them before its first write.
namespace Resources {

int pool(const CharacterSheet &sheet);

// The number recorded at the end of an item text: the whole integer after its last ":" (the
// level of a Song or Skill, the cost or value of the other priced kinds). Raises the conversion
// error with that part when it is not an integer; a text without ":" is read whole.
int recordedCost(const QString &item);

// Half the product, rounded up for an odd product: the cost of a Role and of a Servant.
int halfProductRoundedUp(int a, int b);

// Appends the bought item, then writes the pool worked out beforehand.
void appendAndSetPool(CharacterSheet &sheet, SheetList list, const QString &item, int newPool);

} // namespace Resources
