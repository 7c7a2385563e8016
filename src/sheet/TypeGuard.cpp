#include "sheet/TypeGuard.h"

#include "common/Prompter.h"
#include "sheet/CharacterSheet.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TypeGuard)
};

} // namespace

namespace TypeGuard {

QString forcesMessage()
{
    return Text::tr("You must select a Character Type first.");
}
QString resourcesMessage()
{
    return Text::tr("You must first select a Character Type.");
}
QString attunementsMessage()
{
    return Text::tr("You must first Select a Character Type.");
}

bool passes(const CharacterSheet &sheet, Prompter &prompter, const QString &message)
{
    if (sheet.hasType())
        return true;
    prompter.inform(message);
    return false;
}

} // namespace TypeGuard
