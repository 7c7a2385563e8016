#include "sheet/SheetValues.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SheetNames)
};

} // namespace

namespace SheetNames {

QString controlName(SheetValue value)
{
    static const QStringList names = {
        u"CharacterNameEdit"_s, u"Choir_BandComboBox"_s,
        u"SuperiorComboBox"_s,  u"CorporealEdit"_s,
        u"StrengthEdit"_s,      u"AgilityEdit"_s,
        u"EtherealEdit"_s,      u"IntelligenceEdit"_s,
        u"PrecisionEdit"_s,     u"CelestialEdit"_s,
        u"WillEdit"_s,          u"PerceptionEdit"_s,
        u"TotalForcesEdit"_s,   u"CharacterPointsEdit"_s,
        u"MindHitsEdit"_s,      u"SoulHitsEdit"_s,
    };
    return names.at(static_cast<int>(value));
}

QString controlName(SheetList list)
{
    static const QStringList names = {
        u"ExtraChoir_BandAttunmentListBox"_s,
        u"ExtraSuperiorAttunmentListBox"_s,
        u"SongsListBox"_s,
        u"SkillsListBox"_s,
        u"VesselsListBox"_s,
        u"RolesListBox"_s,
        u"ServantsListBox"_s,
        u"ArtifactsListBox"_s,
        u"DiscordsListBox"_s,
        u"DistinctionsListBox"_s,
    };
    return names.at(static_cast<int>(list));
}

QString startText(SheetValue value)
{
    switch (value) {
    case SheetValue::CharacterName:
        return u"Enter Character Name"_s;
    case SheetValue::ChoirBand:
        return u"Select Choir or Band"_s;
    case SheetValue::Superior:
        return u"Select Superior"_s;
    default:
        return u"0"_s;
    }
}

QString shownStartText(SheetValue value)
{
    switch (value) {
    case SheetValue::CharacterName:
        return Text::tr("Enter Character Name");
    case SheetValue::ChoirBand:
        return Text::tr("Select Choir or Band");
    case SheetValue::Superior:
        return Text::tr("Select Superior");
    default:
        return startText(value);
    }
}

QString shownText(SheetValue value, const QString &stored)
{
    return stored == startText(value) ? shownStartText(value) : stored;
}

QString storedText(SheetValue value, const QString &shown)
{
    return shown == shownStartText(value) ? startText(value) : shown;
}

std::array<SheetValue, SheetValueCount> allValues()
{
    std::array<SheetValue, SheetValueCount> values{};
    for (int i = 0; i < SheetValueCount; ++i)
        values[i] = static_cast<SheetValue>(i);
    return values;
}

std::array<SheetList, SheetListCount> allLists()
{
    std::array<SheetList, SheetListCount> lists{};
    for (int i = 0; i < SheetListCount; ++i)
        lists[i] = static_cast<SheetList>(i);
    return lists;
}

const QStringList &characterTypeNames()
{
    static const QStringList names = {u"Angel"_s,   u"Demon"_s,  u"Outcast"_s, u"Renegade"_s,
                                      u"Soldier"_s, u"Undead"_s, u"Remnant"_s, u"Mundane"_s};
    return names;
}

QStringList characterTypeLabels()
{
    static const char *const labels[] = {
        QT_TRANSLATE_NOOP("SheetNames", "Angel"),   QT_TRANSLATE_NOOP("SheetNames", "Demon"),
        QT_TRANSLATE_NOOP("SheetNames", "Outcast"), QT_TRANSLATE_NOOP("SheetNames", "Renegade"),
        QT_TRANSLATE_NOOP("SheetNames", "Soldier"), QT_TRANSLATE_NOOP("SheetNames", "Undead"),
        QT_TRANSLATE_NOOP("SheetNames", "Remnant"), QT_TRANSLATE_NOOP("SheetNames", "Mundane")};
    QStringList shown;
    for (const char *label : labels)
        shown.append(Text::tr(label));
    return shown;
}

const QStringList &choirBandEntries()
{
    static const QStringList entries = {
        u"Seraphim"_s,  u"Cherubim"_s,  u"Ofanim"_s,  u"Elohim"_s,  u"Malakim"_s,  u"Kyriotate"_s,
        u"Mercurian"_s, u"Balseraph"_s, u"Djinn"_s,   u"Calabim"_s, u"Habbalah"_s, u"Lilim"_s,
        u"Shedim"_s,    u"Impudite"_s,  u"Soldier"_s, u"Mummy"_s,   u"Vampire"_s,  u"Zombie"_s,
    };
    return entries;
}

const QStringList &superiorEntries()
{
    static const QStringList entries = {
        u"Blandine, Archangel of Dreams"_s,    u"David, Archangel of Stone"_s,
        u"Dominic, Archangel of Judgment"_s,   u"Eli, Archangle of Creation"_s,
        u"Gabriel, Archangel of Fire"_s,       u"Janus, Archangel of Wind"_s,
        u"Jean, Archangel of Lightning"_s,     u"Jordi, Archangel of Animals"_s,
        u"Laurence, Archangel of the Sword"_s, u"Marc, Archangel of Trade"_s,
        u"Michael, Archangel of War"_s,        u"Novalis, Archangel of Flowers"_s,
        u"Yves, Archangel of Destiny"_s,       u"Andrealphus, Prince of Lust"_s,
        u"Asmodeus Prince of the Game"_s,      u"Baal, Prince of War"_s,
        u"Beleth, Princess of Nightmares"_s,   u"Belial, Prince of Fire"_s,
        u"Haagenti, Prince of Gluttony"_s,     u"Kobal, Prince of Dark Humor"_s,
        u"Kronos, Prince of Fate"_s,           u"Malphas, Prince of Factions"_s,
        u"Nybbas, Prince of the Media"_s,      u"Saminga, Prince of Death"_s,
        u"Valefor, Prince of Theft"_s,         u"Vapula, Prince of Technology"_s,
    };
    return entries;
}

} // namespace SheetNames
