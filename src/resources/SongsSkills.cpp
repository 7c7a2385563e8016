#include "resources/SongsSkills.h"

#include "resources/PointPool.h"
#include "sheet/CharacterSheet.h"
#include "sheet/IntText.h"
#include "sheet/TypeGuard.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Resources)
};

} // namespace

namespace Resources {

QString songPlaceholder()
{
    return Text::tr("Enter Name of Song");
}

QString skillPlaceholder()
{
    return Text::tr("Enter a Skill");
}

void addSong(CharacterSheet &sheet, const SongInput &input, Prompter &prompter)
{
    if (!TypeGuard::passes(sheet, prompter, TypeGuard::resourcesMessage()) ||
        !nameEntered(input.name, songPlaceholder(), prompter,
                     Text::tr("You must first enter a Song Name.")) ||
        !choiceMade(input.type, prompter, Text::tr("You must first select a Song Type.")))
        return;
    const int points = pool(sheet);
    const int level = IntText::toInt(input.level);
    const QString key = input.type.text + u" Song of "_s + input.name + u" ,Level:"_s;
    if (!unique(startsAnItem(sheet.items(SheetList::Songs), key), prompter,
                Text::tr("You already have that song.")) ||
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
                     Text::tr("You must first enter a Skill.")) ||
        !affordable(level, points, prompter))
        return;
    const QString key = input.name + u" Level:"_s;
    if (!unique(startsAnItem(sheet.items(SheetList::Skills), key), prompter,
                Text::tr("You already have that Skill.")))
        return;
    appendAndSetPool(sheet, SheetList::Skills, key + input.level, IntText::subtract(points, level));
}

} // namespace Resources
