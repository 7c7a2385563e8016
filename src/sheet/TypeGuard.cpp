#include "sheet/TypeGuard.h"

#include "common/Prompter.h"
#include "sheet/CharacterSheet.h"
#include "sheet/Tr.h"

using namespace Qt::StringLiterals;

namespace TypeGuard {

QString forcesMessage()
{
    return SheetTr::tr("You must select a Character Type first.");
}
QString resourcesMessage()
{
    return SheetTr::tr("You must first select a Character Type.");
}
QString attunementsMessage()
{
    return SheetTr::tr("You must first Select a Character Type.");
}

bool passes(const CharacterSheet &sheet, Prompter &prompter, const QString &message)
{
    if (sheet.hasType())
        return true;
    prompter.inform(message);
    return false;
}

} // namespace TypeGuard
