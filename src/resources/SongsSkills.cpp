#include "resources/SongsSkills.h"

#include "resources/PointPool.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "sheet/TypeGuard.h"

using namespace Qt::StringLiterals;

namespace Resources {

QString songPlaceholder()
{
    return u"Enter Name of Song"_s;
}

QString skillPlaceholder()
{
    return u"Enter a Skill"_s;
}

void addSong(CharacterSheet &sheet, const SongInput &input, Prompter &prompter)
{
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(input.name, songPlaceholder(), prompter,
                     u"You must first enter a Song Name."_s) ||
        !choiceMade(input.type, prompter, u"You must first select a Song Type."_s))
        return;
    const int points = pool(sheet);
    const int level = IntText::toInt(input.level);
    const QString key = input.type.text + u" Song of "_s + input.name + u" ,Level:"_s;
    if (!unique(startsAnItem(sheet.items(SheetList::Songs), key), prompter,
                u"You already have that song."_s) ||
        !affordable(level, points, prompter))
        return;
    appendAndSetPool(sheet, SheetList::Songs, key + input.level, IntText::subtract(points, level));
}

void addSkill(CharacterSheet &sheet, const SkillInput &input, Prompter &prompter)
{
    const int points = pool(sheet);
    const int level = IntText::toInt(input.level);
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(input.name, skillPlaceholder(), prompter,
                     u"You must first enter a Skill."_s) ||
        !affordable(level, points, prompter))
        return;
    const QString key = input.name + u" Level:"_s;
    if (!unique(startsAnItem(sheet.items(SheetList::Skills), key), prompter,
                u"You already have that Skill."_s))
        return;
    appendAndSetPool(sheet, SheetList::Skills, key + input.level, IntText::subtract(points, level));
}

} // namespace Resources
