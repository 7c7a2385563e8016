#include "resources/DistinctionsAttunements.h"

#include "common/Prompter.h"
#include "resources/PointPool.h"
#include "resources/ResourceChecks.h"
#include "resources/Tr.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "sheet/TypeGuard.h"

using namespace Qt::StringLiterals;

namespace Resources {
namespace {

bool storable(const QString &text, Prompter &prompter)
{
    if (text != u"*"_s)
        return true;
    prompter.inform(listEndRefusal());
    return false;
}

void addAttunement(CharacterSheet &sheet, SheetList list, int cost, const QString &text,
                   Prompter &prompter)
{
    const int points = pool(sheet);
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::attunementsMessage()) ||
        !affordable(cost, points, prompter) ||
        !nameEntered(text, attunementPlaceholder(), prompter,
                     ResourcesTr::tr("You must enter an Attunment")) ||
        !storable(text, prompter) ||
        !unique(containsEqual(sheet.items(list), text), prompter,
                ResourcesTr::tr("You already have that Attunment.")))
        return;
    appendAndSetPool(sheet, list, text, IntText::subtract(points, cost));
}

} // namespace

QString distinctionPlaceholder()
{
    return ResourcesTr::tr("Enter a Distinction");
}

QString attunementPlaceholder()
{
    return ResourcesTr::tr("Enter Extra Attunment");
}

QString listEndRefusal()
{
    return ResourcesTr::tr(
        "A \"*\" on its own cannot be stored: it closes a list in the character file.");
}

void addDistinction(CharacterSheet &sheet, const QString &text, Prompter &prompter)
{
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(text, distinctionPlaceholder(), prompter,
                     ResourcesTr::tr("You must enter a Distinction.")) ||
        !storable(text, prompter) ||
        !unique(containsEqual(sheet.items(SheetList::Distinctions), text), prompter,
                ResourcesTr::tr("You already have that Distinction.")))
        return;
    sheet.appendItem(SheetList::Distinctions, text);
}

void addChoirBandAttunement(CharacterSheet &sheet, const QString &text, Prompter &prompter)
{
    addAttunement(sheet, SheetList::ChoirBandAttunements, ChoirBandAttunementCost, text, prompter);
}

void addSuperiorAttunement(CharacterSheet &sheet, const QString &text, Prompter &prompter)
{
    addAttunement(sheet, SheetList::SuperiorAttunements, SuperiorAttunementCost, text, prompter);
}

} // namespace Resources
