#include "resources/SongsSkills.h"

#include "resources/ItemFields.h"
#include "resources/PointPool.h"
#include "resources/Tr.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "sheet/TypeGuard.h"

using namespace Qt::StringLiterals;

namespace Resources {

QString songPlaceholder()
{
    return ResourcesTr::tr("Enter Name of Song");
}

QString skillPlaceholder()
{
    return ResourcesTr::tr("Enter a Skill");
}

void addSong(CharacterSheet &sheet, const SongInput &input, Prompter &prompter)
{
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(input.name, songPlaceholder(), prompter,
                     ResourcesTr::tr("You must first enter a Song Name.")) ||
        !choiceMade(input.type, prompter, ResourcesTr::tr("You must first select a Song Type.")))
        return;
    const int points = pool(sheet);
    const int level = IntText::toInt(input.level);
    const int realm = input.type.index;
    if (!unique(startsAnItem(sheet.items(SheetList::Songs),
                             storedKey(SheetList::Songs, realm, input.name)),
                prompter, ResourcesTr::tr("You already have that song.")) ||
        !affordable(level, points, prompter))
        return;
    appendAndSetPool(sheet, SheetList::Songs,
                     storedItem(SheetList::Songs, realm, {input.name, input.level}),
                     IntText::subtract(points, level));
}

void addSkill(CharacterSheet &sheet, const SkillInput &input, Prompter &prompter)
{
    const int points = pool(sheet);
    const int level = IntText::toInt(input.level);
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(input.name, skillPlaceholder(), prompter,
                     ResourcesTr::tr("You must first enter a Skill.")) ||
        !affordable(level, points, prompter))
        return;
    if (!unique(startsAnItem(sheet.items(SheetList::Skills),
                             storedKey(SheetList::Skills, 0, input.name)),
                prompter, ResourcesTr::tr("You already have that Skill.")))
        return;
    appendAndSetPool(sheet, SheetList::Skills,
                     storedItem(SheetList::Skills, 0, {input.name, input.level}),
                     IntText::subtract(points, level));
}

} // namespace Resources
