#include "resources/DeleteSequence.h"

#include "common/Prompter.h"
#include "resources/DistinctionsAttunements.h"
#include "resources/PointPool.h"
#include "resources/ResourceChecks.h"
#include "resources/ResourceKinds.h"
#include "resources/Tr.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace Resources {
namespace {

// The row to delete once the user said Yes, or nothing when the sequence ends here.
std::optional<int> confirmedRow(const CharacterSheet &sheet, SheetList list,
                                const DeleteInput &input, Prompter &prompter,
                                bool tellNothingSelected)
{
    if (input.button != Qt::RightButton || !prompter.confirm(deleteQuestion()))
        return std::nullopt;
    if (input.selectedRow < 0 || input.selectedRow >= sheet.itemCount(list)) {
        if (tellNothingSelected)
            prompter.inform(nothingSelectedMessage());
        return std::nullopt;
    }
    return input.selectedRow;
}

int attunementCost(SheetList list)
{
    return list == SheetList::ChoirBandAttunements ? ChoirBandAttunementCost
                                                   : SuperiorAttunementCost;
}

// Gives back what the confirmed item cost, then removes it.
void refundAndRemove(CharacterSheet &sheet, SheetList list, int row, bool fixedCost)
{
    const int points = pool(sheet);
    const int refunded = fixedCost ? attunementCost(list) : recordedCost(sheet.items(list).at(row));
    sheet.setNumber(SheetValue::CharacterPoints, IntText::add(points, refunded));
    sheet.removeItem(list, row);
}

} // namespace

QString deleteQuestion()
{
    return ResourcesTr::tr("Do you wish to delete this item?");
}

QString nothingSelectedMessage()
{
    return ResourcesTr::tr("Nothing Selected for Delete.");
}

void deleteRefundingRecordedCost(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                                 Prompter &prompter)
{
    if (const auto row = confirmedRow(sheet, list, input, prompter, true))
        refundAndRemove(sheet, list, *row, false);
}

void deleteRefundingFixedCost(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                              Prompter &prompter)
{
    if (const auto row = confirmedRow(sheet, list, input, prompter, true))
        refundAndRemove(sheet, list, *row, true);
}

// A Discord gave points when it was taken, so deleting it takes them back.
void deleteDiscord(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                   Prompter &prompter)
{
    const auto row = confirmedRow(sheet, list, input, prompter, true);
    if (!row)
        return;
    const int points = pool(sheet);
    const int value = recordedCost(sheet.items(list).at(*row));
    if (!affordable(value, points, prompter))
        return;
    sheet.setNumber(SheetValue::CharacterPoints, IntText::subtract(points, value));
    sheet.removeItem(list, *row);
}

void deleteDistinction(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                       Prompter &prompter)
{
    if (const auto row = confirmedRow(sheet, list, input, prompter, false))
        sheet.removeItem(list, *row);
}

void deleteResource(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                    Prompter &prompter)
{
    resourceKind(list).deleteRule(sheet, list, input, prompter);
}

} // namespace Resources
