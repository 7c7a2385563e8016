#include "resources/VesselsRoles.h"

#include "common/Prompter.h"
#include "resources/ItemFields.h"
#include "resources/PointPool.h"
#include "resources/ResourceChecks.h"
#include "resources/Tr.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "sheet/TypeGuard.h"

using namespace Qt::StringLiterals;

namespace Resources {
namespace {

int bodyHits(int strength, int corporeal, int level)
{
    return IntText::multiply(strength, IntText::add(corporeal, level));
}

int vesselCost(int level, int charisma)
{
    return IntText::add(IntText::multiply(3, level), IntText::multiply(2, charisma));
}

bool costAtLeastOne(int cost, Prompter &prompter)
{
    if (cost >= 1)
        return true;
    prompter.inform(ResourcesTr::tr("You can not buy this Vessel with this Charisma."));
    return false;
}

} // namespace

QString vesselPlaceholder()
{
    return ResourcesTr::tr("Enter a Name for this Vessel");
}

QString rolePlaceholder()
{
    return ResourcesTr::tr("Enter a Name for this Role");
}

QString vesselBodyHits(const CharacterSheet &sheet, const QString &level)
{
    const int strength = sheet.number(SheetValue::Strength);
    const int corporeal = sheet.number(SheetValue::Corporeal);
    return IntText::fromInt(bodyHits(strength, corporeal, IntText::toInt(level)));
}

void addVessel(CharacterSheet &sheet, const VesselInput &input, Prompter &prompter)
{
    const int points = pool(sheet);
    const int strength = sheet.number(SheetValue::Strength);
    const int corporeal = sheet.number(SheetValue::Corporeal);
    const int level = IntText::toInt(input.level);
    const int charisma = IntText::toInt(input.charisma);
    const QString hits = IntText::fromInt(bodyHits(strength, corporeal, level));
    const int cost = vesselCost(level, charisma);
    sheet.setBodyHits(hits);
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(input.name, vesselPlaceholder(), prompter,
                     ResourcesTr::tr("You must enter a name for this Vessel.")) ||
        !affordable(cost, points, prompter) ||
        !unique(namedItemStarts(sheet.items(SheetList::Vessels), input.name,
                                storedKey(SheetList::Vessels, 0, input.name)),
                prompter, ResourcesTr::tr("This is a duplicate Vessel.")) ||
        !costAtLeastOne(cost, prompter))
        return;
    const QString item =
        storedItem(SheetList::Vessels, 0,
                   {input.name, hits, input.charisma, input.level, IntText::fromInt(cost)});
    appendAndSetPool(sheet, SheetList::Vessels, item, IntText::subtract(points, cost));
}

void addRole(CharacterSheet &sheet, const RoleInput &input, Prompter &prompter)
{
    const int points = pool(sheet);
    const int level = IntText::toInt(input.level);
    const int status = IntText::toInt(input.status);
    const int cost = halfProductRoundedUp(level, status);
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !affordable(cost, points, prompter) ||
        !nameEntered(input.name, rolePlaceholder(), prompter,
                     ResourcesTr::tr("You must enter a name for this Role.")) ||
        !unique(namedItemStarts(sheet.items(SheetList::Roles), input.name,
                                storedKey(SheetList::Roles, 0, input.name)),
                prompter, ResourcesTr::tr("This is a duplicate Role.")))
        return;
    const QString item = storedItem(
        SheetList::Roles, 0, {input.name, input.level, input.status, IntText::fromInt(cost)});
    appendAndSetPool(sheet, SheetList::Roles, item, IntText::subtract(points, cost));
}

} // namespace Resources
