#include "sheet/Bonuses.h"

#include "common/Prompter.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "sheet/Tr.h"

using namespace Qt::StringLiterals;

namespace Bonuses {

void applyPointBonus(CharacterSheet &sheet, const QString &amount)
{
    const int points = sheet.number(SheetValue::CharacterPoints);
    const int bonus = IntText::toInt(amount);
    sheet.setNumber(SheetValue::CharacterPoints, IntText::add(points, bonus));
}

ForcesBonusResult applyForcesBonus(CharacterSheet &sheet, Prompter &prompter)
{
    const int total = sheet.number(SheetValue::TotalForces);
    const int bonus = IntText::toInt(sheet.forcesBonus());
    const int corporeal = sheet.number(SheetValue::Corporeal);
    const int ethereal = sheet.number(SheetValue::Ethereal);
    const int celestial = sheet.number(SheetValue::Celestial);
    const int newTotal = IntText::add(total, bonus);
    const int placed = IntText::add(IntText::add(corporeal, ethereal), celestial);
    if (placed > newTotal) {
        prompter.inform(SheetTr::tr("You have already allocated more Forces."));
        sheet.setForcesBonus(IntText::fromInt(0));
        return ForcesBonusResult::RefusedResetAmount;
    }
    if (newTotal > 18) {
        prompter.inform(SheetTr::tr("You cannot exceed a Total Forces value of 18."));
        return ForcesBonusResult::Refused;
    }
    sheet.setTotalColour(TotalColour::Red);
    sheet.setNumber(SheetValue::TotalForces, newTotal);
    return ForcesBonusResult::Applied;
}

} // namespace Bonuses
