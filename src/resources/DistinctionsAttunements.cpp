#include "resources/DistinctionsAttunements.h"

#include "common/Prompter.h"
#include "resources/PointPool.h"
#include "resources/ResourceChecks.h"
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
        !nameEntered(text, attunementPlaceholder(), prompter, u"You must enter an Attunment"_s) ||
        !storable(text, prompter) ||
        !unique(containsEqual(sheet.items(list), text), prompter,
                u"You already have that Attunment."_s))
        return;
    appendAndSetPool(sheet, list, text, IntText::subtract(points, cost));
}

} // namespace

QString distinctionPlaceholder()
{
    return u"Enter a Distinction"_s;
}

QString attunementPlaceholder()
{
    return u"Enter Extra Attunment"_s;
}

QString listEndRefusal()
{
    return u"A \"*\" on its own cannot be stored: it closes a list in the character file."_s;
}

void addDistinction(CharacterSheet &sheet, const QString &text, Prompter &prompter)
{
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(text, distinctionPlaceholder(), prompter,
                     u"You must enter a Distinction."_s) ||
        !storable(text, prompter) ||
        !unique(containsEqual(sheet.items(SheetList::Distinctions), text), prompter,
                u"You already have that Distinction."_s))
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
