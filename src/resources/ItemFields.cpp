#include "resources/ItemFields.h"

#include "resources/DistinctionsAttunements.h"
#include "resources/Tr.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace Resources {
namespace {

// A kind's format: its English patterns, one per realm for the kinds with a type group, and what
// each %n of them stands for. A kind without a pattern is free text: the whole item is its name.
struct Format
{
    std::array<const char *, 3> patterns;
    std::array<const char *, 5> parts;
};

// By SheetList.
const Format formats[SheetListCount] = {
    {},
    {},
    {.patterns =
         {
             //: A Corporeal Song in the lists, the printout and the Markdown and text exports: %1
             //: its name, %2 its level. The English is the item as a character file stores it;
             //: the realm word agrees with "Song".
             QT_TRANSLATE_NOOP("Quillmark::Resources", "Corporeal Song of %1 ,Level:%2"),
             //: An Ethereal Song, shown as the Corporeal one.
             QT_TRANSLATE_NOOP("Quillmark::Resources", "Ethereal Song of %1 ,Level:%2"),
             //: A Celestial Song, shown as the Corporeal one.
             QT_TRANSLATE_NOOP("Quillmark::Resources", "Celestial Song of %1 ,Level:%2"),
         },
     .parts = {"name", "level"}},
    {.patterns =
         {//: A Skill as the lists, the printout and the Markdown and text exports show it:
          //: %1 its name, %2 its level. The English is the item as a file stores it.
          QT_TRANSLATE_NOOP("Quillmark::Resources", "%1 Level:%2")},
     .parts = {"name", "level"}},
    {.patterns =
         {//: A Vessel as the lists, the printout and the Markdown and text exports show it:
          //: %1 its name, %2 its Body Hits, %3 its Charisma, %4 its level, %5 its cost.
          //: The English is the item as a file stores it.
          QT_TRANSLATE_NOOP("Quillmark::Resources",
                            "%1 ,Body Hits:%2 ,Charisma:%3 Level:%4 Cost:%5")},
     .parts = {"name", "bodyHits", "charisma", "level", "cost"}},
    {.patterns =
         {//: A Role as the lists, the printout and the Markdown and text exports show it:
          //: %1 its name, %2 its level, %3 its status, %4 its cost. The English is the
          //: item as a file stores it.
          QT_TRANSLATE_NOOP("Quillmark::Resources", "%1, Level:%2, Status:%3, Cost:%4")},
     .parts = {"name", "level", "status", "cost"}},
    {.patterns =
         {//: A Servant as the lists, the printout and the Markdown and text exports show
          //: it: %1 its name, %2 its level, %3 its class, %4 its cost. The English is the
          //: item as a file stores it.
          QT_TRANSLATE_NOOP("Quillmark::Resources", "%1, Level:%2, Class:%3, Cost:%4")},
     .parts = {"name", "level", "class", "cost"}},
    {.patterns =
         {
             //: A Corporeal Artifact in the lists, the printout and the Markdown and text exports:
             //: %1 its description, %2 its level, %3 its modifier, %4 its cost. The English is
             //: the item as a file stores it; the realm word agrees with "Artifact".
             QT_TRANSLATE_NOOP("Quillmark::Resources",
                               "Corporeal Artifact of %1 ,Level:%2 ,Modifier:%3 ,Cost:%4"),
             //: An Ethereal Artifact, shown as the Corporeal one.
             QT_TRANSLATE_NOOP("Quillmark::Resources",
                               "Ethereal Artifact of %1 ,Level:%2 ,Modifier:%3 ,Cost:%4"),
             //: A Celestial Artifact, shown as the Corporeal one.
             QT_TRANSLATE_NOOP("Quillmark::Resources",
                               "Celestial Artifact of %1 ,Level:%2 ,Modifier:%3 ,Cost:%4"),
         },
     .parts = {"name", "level", "modifier", "cost"}},
    {.patterns =
         {
             //: A Corporeal Discord in the lists, the printout and the Markdown and text exports:
             //: %1 its description, %2 its level, %3 the points it gave. The English is the item
             //: as a file stores it; the realm word agrees with "Discord".
             QT_TRANSLATE_NOOP("Quillmark::Resources",
                               "Corporeal Discord of %1 ,Level:%2 ,Cost:%3"),
             //: An Ethereal Discord, shown as the Corporeal one.
             QT_TRANSLATE_NOOP("Quillmark::Resources", "Ethereal Discord of %1 ,Level:%2 ,Cost:%3"),
             //: A Celestial Discord, shown as the Corporeal one.
             QT_TRANSLATE_NOOP("Quillmark::Resources",
                               "Celestial Discord of %1 ,Level:%2 ,Cost:%3"),
         },
     .parts = {"name", "level", "cost"}},
    {},
};

const Format &formatOf(SheetList list)
{
    return formats[static_cast<int>(list)];
}

bool hasRealms(const Format &format)
{
    return format.patterns[1] != nullptr;
}

int partCount(const Format &format)
{
    return int(std::count_if(format.parts.begin(), format.parts.end(),
                             [](const char *part) { return part != nullptr; }));
}

// The stored text a pattern describes, as an expression whose groups are its parts in order.
QRegularExpression expressionOf(const char *pattern)
{
    static const QRegularExpression placeholder(u"%([1-9])"_s);
    const QString text = QString::fromLatin1(pattern);
    QString expression;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &m : placeholder.globalMatch(text)) {
        expression += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
        expression += m.captured(1) == u"1"_s ? u"(.*)"_s : u"([-+]?[0-9]+)"_s;
        at = m.capturedEnd();
    }
    expression += QRegularExpression::escape(text.mid(at));
    QRegularExpression compiled(u"\\A(?:"_s + expression + u")\\z"_s,
                                QRegularExpression::DotMatchesEverythingOption);
    compiled.optimize();
    return compiled;
}

using Expressions = std::array<std::array<QRegularExpression, 3>, SheetListCount>;

const Expressions &expressions()
{
    static const Expressions all = [] {
        Expressions made;
        for (SheetList list : SheetNames::allLists())
            for (std::size_t realm = 0; realm < 3; ++realm)
                if (const char *pattern = formatOf(list).patterns[realm])
                    made[static_cast<int>(list)][realm] = expressionOf(pattern);
        return made;
    }();
    return all;
}

struct Match
{
    int realm = -1;
    QRegularExpressionMatch parts;
};

// The pattern the text follows, by realm, or none.
std::optional<Match> matchOf(SheetList list, const QString &text)
{
    const Format &format = formatOf(list);
    for (int realm = 0; realm < 3 && format.patterns[realm]; ++realm) {
        QRegularExpressionMatch m = expressions()[static_cast<int>(list)][realm].match(text);
        if (m.hasMatch())
            return Match{realm, std::move(m)};
    }
    return std::nullopt;
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

QString filled(const QString &pattern, const QStringList &parts)
{
    switch (parts.size()) {
    case 2:
        return pattern.arg(parts[0], parts[1]);
    case 3:
        return pattern.arg(parts[0], parts[1], parts[2]);
    case 4:
        return pattern.arg(parts[0], parts[1], parts[2], parts[3]);
    default:
        return pattern.arg(parts[0], parts[1], parts[2], parts[3], parts.value(4));
    }
}

QString englishPattern(SheetList list, int realm)
{
    return QString::fromLatin1(formatOf(list).patterns[std::size_t(realm)]);
}

} // namespace

std::optional<QList<ItemField>> readItem(SheetList list, const QString &text)
{
    const Format &format = formatOf(list);
    QList<ItemField> parts;
    if (!format.patterns[0]) {
        parts.append({u"name"_s, text, false});
    } else {
        const std::optional<Match> match = matchOf(list, text);
        if (!match)
            return std::nullopt;
        for (int i = 0; i < partCount(format); ++i) {
            const QString key = QString::fromLatin1(format.parts[i]);
            parts.append({key, match->parts.captured(i + 1), key != u"name"_s});
            if (i == 0 && hasRealms(format))
                parts.append({u"realm"_s, SheetNames::realmNames().at(match->realm), false});
        }
    }
    if (const std::optional<QString> cost = costBesideParts(list, parts))
        parts.append({u"cost"_s, *cost, true});
    return parts;
}

QString storedItem(SheetList list, int realm, const QStringList &parts)
{
    return filled(englishPattern(list, realm), parts);
}

QString storedKey(SheetList list, int realm, const QString &name)
{
    const QString pattern = englishPattern(list, realm);
    return pattern.first(pattern.indexOf(u"%2"_s)).arg(name);
}

ShownItems::ShownItems(SheetList list) : m_list(list)
{
    QStringList translated;
    bool changed = false;
    for (const char *pattern : formatOf(list).patterns) {
        if (!pattern)
            break;
        translated.append(ResourcesTr::tr(pattern));
        changed = changed || translated.constLast() != QLatin1StringView(pattern);
    }
    if (changed)
        m_patterns = translated;
}

QString ShownItems::operator()(const QString &stored) const
{
    if (m_patterns.isEmpty())
        return stored;
    const std::optional<Match> match = matchOf(m_list, stored);
    return match ? filled(m_patterns.at(match->realm), match->parts.capturedTexts().sliced(1))
                 : stored;
}

QStringList ShownItems::operator()(const QStringList &stored) const
{
    if (m_patterns.isEmpty())
        return stored;
    QStringList shown;
    shown.reserve(stored.size());
    for (const QString &item : stored)
        shown.append((*this)(item));
    return shown;
}

} // namespace Resources
