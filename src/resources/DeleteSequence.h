#pragma once

#include "sheet/SheetValues.h"

#include <QString>
#include <Qt>

class CharacterSheet;
class Prompter;

// Deleting an item from any of the ten lists: a right-button press in the list asks first, then
// gives back what the item cost and removes the list's selected item.
namespace Resources {

struct DeleteInput
{
    Qt::MouseButton button = Qt::NoButton;
    int selectedRow = -1; // -1 when nothing is selected
};

QString deleteQuestion();
QString nothingSelectedMessage();

// Songs, Skills, Vessels, Roles, Servants and Artifacts refund the number recorded at the end of
// the item, the attunements their fixed cost; a Discord takes its value back from the pool and is
// kept when the pool is too small; a Distinction is removed without any pool change, and with
// nothing selected it ends silently.
void deleteResource(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                    Prompter &prompter);

// The four ways a delete ends, one per group of kinds; each kind's description names its own.
using DeleteRule = void (*)(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                            Prompter &prompter);
void deleteRefundingRecordedCost(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                                 Prompter &prompter);
void deleteRefundingFixedCost(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                              Prompter &prompter);
void deleteDiscord(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                   Prompter &prompter);
void deleteDistinction(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                       Prompter &prompter);

} // namespace Resources
