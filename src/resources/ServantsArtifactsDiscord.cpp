#include "resources/ServantsArtifactsDiscord.h"

#include "common/Prompter.h"
#include "resources/ItemFields.h"
#include "resources/PointPool.h"
#include "resources/Tr.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "sheet/TypeGuard.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace Resources {
namespace {

int artifactCost(const Choice &type, int level, int modifier)
{
    return IntText::add(IntText::multiply(type.index + 1, level), modifier);
}

// With no type chosen the cost cannot be worked out yet; the user hears so before any other check.
std::optional<int> earlyArtifactCost(const ArtifactInput &input, int level, int modifier,
                                     Prompter &prompter)
{
    if (input.type.index < 0) {
        prompter.inform(ResourcesTr::tr("You must select an Artifact Type."));
        return std::nullopt;
    }
    return artifactCost(input.type, level, modifier);
}

bool artifactCostAtLeastOne(std::optional<int> cost, Prompter &prompter)
{
    if (cost && *cost >= 1)
        return true;
    prompter.inform(ResourcesTr::tr("You can not modify this Artifact by this amount."));
    return false;
}

} // namespace

QString servantPlaceholder()
{
    return ResourcesTr::tr("Enter Name of Servant");
}

QString artifactPlaceholder()
{
    return ResourcesTr::tr("Enter Artifact Description");
}

QString discordPlaceholder()
{
    return ResourcesTr::tr("Enter Discord Description");
}

void addServant(CharacterSheet &sheet, const ServantInput &input, Prompter &prompter)
{
    const int points = pool(sheet);
    const int level = IntText::toInt(input.level);
    const int servantClass = IntText::toInt(input.servantClass);
    const int cost = halfProductRoundedUp(level, servantClass);
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !affordable(cost, points, prompter) ||
        !nameEntered(input.name, servantPlaceholder(), prompter,
                     ResourcesTr::tr("You must enter a Servant Name.")) ||
        !unique(namedItemStarts(sheet.items(SheetList::Servants), input.name,
                                storedKey(SheetList::Servants, 0, input.name)),
                prompter, ResourcesTr::tr("This is a duplicate Servant.")))
        return;
    const QString item =
        storedItem(SheetList::Servants, 0,
                   {input.name, input.level, input.servantClass, IntText::fromInt(cost)});
    appendAndSetPool(sheet, SheetList::Servants, item, IntText::subtract(points, cost));
}

void addArtifact(CharacterSheet &sheet, const ArtifactInput &input, Prompter &prompter)
{
    const int level = IntText::toInt(input.level);
    const int modifier = IntText::toInt(input.modifier);
    const std::optional<int> early = earlyArtifactCost(input, level, modifier, prompter);
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(input.description, artifactPlaceholder(), prompter,
                     ResourcesTr::tr("You must enter an Artifact Description.")) ||
        !choiceMade(input.type, prompter,
                    ResourcesTr::tr("You must first select an Artifact Type.")) ||
        !artifactCostAtLeastOne(early, prompter))
        return;
    const int points = pool(sheet);
    const int cost = *early;
    const int realm = input.type.index;
    if (!unique(startsAnItem(sheet.items(SheetList::Artifacts),
                             storedKey(SheetList::Artifacts, realm, input.description)),
                prompter, ResourcesTr::tr("You already have that Artifact.")) ||
        !affordable(cost, points, prompter))
        return;
    const QString item =
        storedItem(SheetList::Artifacts, realm,
                   {input.description, input.level, input.modifier, IntText::fromInt(cost)});
    appendAndSetPool(sheet, SheetList::Artifacts, item, IntText::subtract(points, cost));
}

void addDiscord(CharacterSheet &sheet, const DiscordInput &input, Prompter &prompter)
{
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(input.description, discordPlaceholder(), prompter,
                     ResourcesTr::tr("You must enter a Discord Description.")) ||
        !choiceMade(input.type, prompter, ResourcesTr::tr("You must select a Discord Type.")))
        return;
    const int points = pool(sheet);
    const int value = IntText::multiply(3, IntText::toInt(input.level));
    const int realm = input.type.index;
    if (!unique(startsAnItem(sheet.items(SheetList::Discords),
                             storedKey(SheetList::Discords, realm, input.description)),
                prompter, ResourcesTr::tr("You already have that Discord.")))
        return;
    const QString item = storedItem(SheetList::Discords, realm,
                                    {input.description, input.level, IntText::fromInt(value)});
    appendAndSetPool(sheet, SheetList::Discords, item, IntText::add(points, value));
}

} // namespace Resources
