#include "resources/DeleteSequence.h"

#include "resources/DistinctionsAttunements.h"
#include "resources/PointPool.h"
#include "resources/ResourceChecks.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "sheet/Prompter.h"

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace Resources {
namespace {

using Refund = std::function<int(const QString &item)>;

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

void deleteRefunding(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                     Prompter &prompter, const Refund &refund)
{
    const auto row = confirmedRow(sheet, list, input, prompter, true);
    if (!row)
        return;
    const int points = pool(sheet);
    const int refunded = refund(sheet.items(list).at(*row));
    sheet.setNumber(SheetValue::CharacterPoints, IntText::add(points, refunded));
    sheet.removeItem(list, *row);
}

// A Discord gave points when it was taken, so deleting it takes them back.
void deleteDiscord(CharacterSheet &sheet, const DeleteInput &input, Prompter &prompter)
{
    const auto row = confirmedRow(sheet, SheetList::Discords, input, prompter, true);
    if (!row)
        return;
    const int points = pool(sheet);
    const int value = recordedCost(sheet.items(SheetList::Discords).at(*row));
    if (!affordable(value, points, prompter))
        return;
    sheet.setNumber(SheetValue::CharacterPoints, IntText::subtract(points, value));
    sheet.removeItem(SheetList::Discords, *row);
}

void deleteDistinction(CharacterSheet &sheet, const DeleteInput &input, Prompter &prompter)
{
    if (const auto row = confirmedRow(sheet, SheetList::Distinctions, input, prompter, false))
        sheet.removeItem(SheetList::Distinctions, *row);
}

Refund fixed(int cost)
{
    return [cost](const QString &) { return cost; };
}

} // namespace

QString deleteQuestion()
{
    return u"Do you wish to delete this item?"_s;
}

QString nothingSelectedMessage()
{
    return u"Nothing Selected for Delete."_s;
}

void deleteResource(CharacterSheet &sheet, SheetList list, const DeleteInput &input,
                    Prompter &prompter)
{
    switch (list) {
    case SheetList::Distinctions:
        return deleteDistinction(sheet, input, prompter);
    case SheetList::Discords:
        return deleteDiscord(sheet, input, prompter);
    case SheetList::ChoirBandAttunements:
        return deleteRefunding(sheet, list, input, prompter, fixed(ChoirBandAttunementCost));
    case SheetList::SuperiorAttunements:
        return deleteRefunding(sheet, list, input, prompter, fixed(SuperiorAttunementCost));
    case SheetList::Songs:
    case SheetList::Skills:
    case SheetList::Vessels:
    case SheetList::Roles:
    case SheetList::Servants:
    case SheetList::Artifacts:
        return deleteRefunding(sheet, list, input, prompter, recordedCost);
    }
}

} // namespace Resources
