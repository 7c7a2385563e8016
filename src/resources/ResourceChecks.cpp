#include "resources/ResourceChecks.h"

#include "common/Prompter.h"
#include "resources/Tr.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Resources {
namespace {

bool passOrTell(bool passes, Prompter &prompter, const QString &message)
{
    if (!passes)
        prompter.inform(message);
    return passes;
}

} // namespace

QString notEnoughPointsMessage()
{
    return ResourcesTr::tr("You do not have enough Character Points.");
}

bool nameEntered(const QString &name, const QString &placeholder, Prompter &prompter,
                 const QString &message)
{
    return passOrTell(name != placeholder, prompter, message);
}

bool choiceMade(const Choice &choice, Prompter &prompter, const QString &message)
{
    return passOrTell(choice.index >= 0, prompter, message);
}

bool affordable(int cost, int pool, Prompter &prompter)
{
    return passOrTell(cost <= pool, prompter, notEnoughPointsMessage());
}

bool unique(bool duplicate, Prompter &prompter, const QString &message)
{
    return passOrTell(!duplicate, prompter, message);
}

bool startsAnItem(const QStringList &items, const QString &key)
{
    return std::any_of(items.cbegin(), items.cend(),
                       [&key](const QString &item) { return item.startsWith(key); });
}

bool namedItemStarts(const QStringList &items, const QString &name, const QString &key)
{
    return !name.isEmpty() && startsAnItem(items, key);
}

bool containsEqual(const QStringList &items, const QString &text)
{
    return items.contains(text);
}

} // namespace Resources
