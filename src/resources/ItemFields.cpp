#include "resources/ItemFields.h"

#include "resources/DistinctionsAttunements.h"

#include <QRegularExpression>
#include <array>

using namespace Qt::StringLiterals;

namespace Resources {
namespace {

// Each kind's item text as a pattern; its named groups are the parts, read in the order given.
// The name takes as much as it can, so a name holding a separator keeps it, as the refund does.
struct ItemPattern
{
    QString pattern;
    QStringList parts;
};

const QString realm = u"(?<realm>Corporeal|Ethereal|Celestial)"_s;

QString num(const QString &key)
{
    return u"(?<%1>[-+]?[0-9]+)"_s.arg(key);
}

// clang-format off
std::array<ItemPattern, SheetListCount> patterns()
{
    const QString name = u"(?<name>.*)"_s;
    return {{
        {name, {u"name"_s}},
        {name, {u"name"_s}},
        {realm + u" Song of "_s + name + u" ,Level:"_s + num(u"level"_s),
         {u"name"_s, u"realm"_s, u"level"_s}},
        {name + u" Level:"_s + num(u"level"_s), {u"name"_s, u"level"_s}},
        {name + u" ,Body Hits:"_s + num(u"bodyHits"_s) + u" ,Charisma:"_s + num(u"charisma"_s) +
             u" Level:"_s + num(u"level"_s) + u" Cost:"_s + num(u"cost"_s),
         {u"name"_s, u"level"_s, u"charisma"_s, u"bodyHits"_s, u"cost"_s}},
        {name + u", Level:"_s + num(u"level"_s) + u", Status:"_s + num(u"status"_s) +
             u", Cost:"_s + num(u"cost"_s),
         {u"name"_s, u"level"_s, u"status"_s, u"cost"_s}},
        {name + u", Level:"_s + num(u"level"_s) + u", Class:"_s + num(u"class"_s) +
             u", Cost:"_s + num(u"cost"_s),
         {u"name"_s, u"level"_s, u"class"_s, u"cost"_s}},
        {realm + u" Artifact of "_s + name + u" ,Level:"_s + num(u"level"_s) + u" ,Modifier:"_s +
             num(u"modifier"_s) + u" ,Cost:"_s + num(u"cost"_s),
         {u"name"_s, u"realm"_s, u"level"_s, u"modifier"_s, u"cost"_s}},
        {realm + u" Discord of "_s + name + u" ,Level:"_s + num(u"level"_s) + u" ,Cost:"_s +
             num(u"cost"_s),
         {u"name"_s, u"realm"_s, u"level"_s, u"cost"_s}},
        {name, {u"name"_s}},
    }};
}
// clang-format on

std::array<QRegularExpression, SheetListCount> compiled()
{
    std::array<QRegularExpression, SheetListCount> expressions;
    const std::array<ItemPattern, SheetListCount> all = patterns();
    for (std::size_t i = 0; i < all.size(); ++i) {
        expressions[i].setPattern(u"\\A(?:"_s + all[i].pattern + u")\\z"_s);
        expressions[i].setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
        expressions[i].optimize();
    }
    return expressions;
}

// What the item cost beyond its own parts: a Song's and a Skill's level, an attunement's price.
std::optional<QString> costBesideParts(SheetList list, const QList<ItemField> &parts)
{
    switch (list) {
    case SheetList::Songs:
    case SheetList::Skills:
        return parts.constLast().text;
    case SheetList::ChoirBandAttunements:
        return QString::number(ChoirBandAttunementCost);
    case SheetList::SuperiorAttunements:
        return QString::number(SuperiorAttunementCost);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<QList<ItemField>> readItem(SheetList list, const QString &text)
{
    static const std::array<QRegularExpression, SheetListCount> expressions = compiled();
    static const std::array<ItemPattern, SheetListCount> all = patterns();
    const auto index = static_cast<std::size_t>(list);
    const QRegularExpressionMatch match = expressions.at(index).match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QList<ItemField> parts;
    for (const QString &key : all.at(index).parts)
        parts.append({key, match.captured(key), key != u"name"_s && key != u"realm"_s});
    if (const std::optional<QString> cost = costBesideParts(list, parts))
        parts.append({u"cost"_s, *cost, true});
    return parts;
}

} // namespace Resources
