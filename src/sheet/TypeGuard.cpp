#include "sheet/TypeGuard.h"

#include "common/Prompter.h"
#include "sheet/CharacterSheet.h"

using namespace Qt::StringLiterals;

namespace TypeGuard {

QString forcesMessage()
{
    return u"You must select a Character Type first."_s;
}
QString resourcesMessage()
{
    return u"You must first select a Character Type."_s;
}
QString attunementsMessage()
{
    return u"You must first Select a Character Type."_s;
}

bool passes(const CharacterSheet &sheet, Prompter &prompter, const QString &message)
{
    if (sheet.hasType())
        return true;
    prompter.inform(message);
    return false;
}

} // namespace TypeGuard
