#include "sheet/SheetNames.h"

#include "sheet/Tr.h"

using namespace Qt::StringLiterals;

namespace SheetNames {
namespace {

struct ValueWords
{
    const char16_t *control;
    const char *key;
    const char *start;   // the stored start text; a prompt is shown translated
    bool prompt;         // whether `start` is a prompt
    const char *label;   // shown
    const char *caption; // the window's, shown; null where it has none
};

constexpr const char *zero = "0";

// By SheetValue.
constexpr ValueWords valueWords[SheetValueCount] = {
    {.control = u"CharacterNameEdit",
     .key = "name",
     .start = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Enter Character Name"),
     .prompt = true,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Character Name"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Character Name:")},
    {.control = u"Choir_BandComboBox",
     .key = "choirBand",
     .start = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Select Choir or Band"),
     .prompt = true,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Choir/Band"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Choir/Band:")},
    {.control = u"SuperiorComboBox",
     .key = "superior",
     .start = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Select Superior"),
     .prompt = true,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Superior"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Superior:")},
    {.control = u"CorporealEdit",
     .key = "forces",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Corporeal"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Corporeal:")},
    {.control = u"StrengthEdit",
     .key = "strength",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Strength"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Strength:")},
    {.control = u"AgilityEdit",
     .key = "agility",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Agility"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Agility:")},
    {.control = u"EtherealEdit",
     .key = "forces",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Ethereal"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Ethereal:")},
    {.control = u"IntelligenceEdit",
     .key = "intelligence",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Intelligence"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Intelligence:")},
    {.control = u"PrecisionEdit",
     .key = "precision",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Precision"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Precision:")},
    {.control = u"CelestialEdit",
     .key = "forces",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Celestial"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Celestial:")},
    {.control = u"WillEdit",
     .key = "will",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Will"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Will:")},
    {.control = u"PerceptionEdit",
     .key = "perception",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Perception"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Perception:")},
    {.control = u"TotalForcesEdit",
     .key = "totalForces",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Total Forces")},
    {.control = u"CharacterPointsEdit",
     .key = "characterPoints",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Character Points"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Character Points:")},
    // The window runs the two words of the hits together; they are spoken as two.
    {.control = u"MindHitsEdit",
     .key = "mindHits",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Mind Hits"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "MindHits:")},
    {.control = u"SoulHitsEdit",
     .key = "soulHits",
     .start = zero,
     .label = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Soul Hits"),
     .caption = QT_TRANSLATE_NOOP("Quillmark::Sheet", "SoulHits:")},
};

struct ListWords
{
    const char16_t *control;
    const char *key;
    const char *heading; // the exports', shown
    const char *tab;     // the page's; its English names the configuration check box
    int printedAt;       // the place in the printout, 0 to 9
    int column;          // the printout's column
    const char *header;  // the printout's, over the section the list opens; null when it goes on
};

// By SheetList.
constexpr ListWords listWords[SheetListCount] = {
    {.control = u"ExtraChoir_BandAttunmentListBox",
     .key = "choirBandAttunements",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Extra Choir/Band Attunements"),
     .printedAt = 0,
     .column = 0,
     .header = QT_TRANSLATE_NOOP("Quillmark::Sheet", "** Attunments **")},
    {.control = u"ExtraSuperiorAttunmentListBox",
     .key = "superiorAttunements",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Extra Superior Attunements"),
     .printedAt = 1,
     .column = 0},
    {.control = u"SongsListBox",
     .key = "songs",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Songs"),
     .tab = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Songs"),
     .printedAt = 3,
     .column = 0,
     .header = QT_TRANSLATE_NOOP("Quillmark::Sheet", "** Songs **")},
    {.control = u"SkillsListBox",
     .key = "skills",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Skills"),
     .tab = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Skills"),
     .printedAt = 4,
     .column = 0,
     .header = QT_TRANSLATE_NOOP("Quillmark::Sheet", "** Skills **")},
    {.control = u"VesselsListBox",
     .key = "vessels",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Vessels"),
     .tab = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Vessels"),
     .printedAt = 5,
     .column = 1,
     .header = QT_TRANSLATE_NOOP("Quillmark::Sheet", "** Vessels **")},
    {.control = u"RolesListBox",
     .key = "roles",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Roles"),
     .tab = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Roles"),
     .printedAt = 6,
     .column = 1,
     .header = QT_TRANSLATE_NOOP("Quillmark::Sheet", "** Roles **")},
    {.control = u"ServantsListBox",
     .key = "servants",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Servants"),
     .tab = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Servants"),
     .printedAt = 7,
     .column = 1,
     .header = QT_TRANSLATE_NOOP("Quillmark::Sheet", "** Servants **")},
    {.control = u"ArtifactsListBox",
     .key = "artifacts",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Artifacts"),
     .tab = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Artifacts"),
     .printedAt = 8,
     .column = 1,
     .header = QT_TRANSLATE_NOOP("Quillmark::Sheet", "** Artifacts **")},
    {.control = u"DiscordsListBox",
     .key = "discords",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Discords"),
     .tab = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Discord"),
     .printedAt = 9,
     .column = 1,
     .header = QT_TRANSLATE_NOOP("Quillmark::Sheet", "** Discords **")},
    {.control = u"DistinctionsListBox",
     .key = "distinctions",
     .heading = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Distinctions"),
     .tab = QT_TRANSLATE_NOOP("Quillmark::Sheet", "Distinctions"),
     .printedAt = 2,
     .column = 0,
     .header = QT_TRANSLATE_NOOP("Quillmark::Sheet", "** Distinctions **")},
};

constexpr const char *typeWords[] = {QT_TRANSLATE_NOOP("Quillmark::Sheet", "Angel"),
                                     QT_TRANSLATE_NOOP("Quillmark::Sheet", "Demon"),
                                     QT_TRANSLATE_NOOP("Quillmark::Sheet", "Outcast"),
                                     QT_TRANSLATE_NOOP("Quillmark::Sheet", "Renegade"),
                                     QT_TRANSLATE_NOOP("Quillmark::Sheet", "Soldier"),
                                     QT_TRANSLATE_NOOP("Quillmark::Sheet", "Undead"),
                                     QT_TRANSLATE_NOOP("Quillmark::Sheet", "Remnant"),
                                     QT_TRANSLATE_NOOP("Quillmark::Sheet", "Mundane")};

const ValueWords &words(SheetValue value)
{
    return valueWords[static_cast<int>(value)];
}

const ListWords &words(SheetList list)
{
    return listWords[static_cast<int>(list)];
}

QString shownWord(const char *word)
{
    return word ? SheetTr::tr(word) : QString();
}

} // namespace

QString controlName(SheetValue value)
{
    return QString::fromUtf16(words(value).control);
}

QString key(SheetValue value)
{
    return QString::fromLatin1(words(value).key);
}

QString startText(SheetValue value)
{
    return QString::fromLatin1(words(value).start);
}

QString label(SheetValue value)
{
    return shownWord(words(value).label);
}

QString caption(SheetValue value)
{
    return shownWord(words(value).caption);
}

QString shown(SheetValue value, const QString &stored)
{
    const ValueWords &w = words(value);
    return w.prompt && stored == QLatin1StringView(w.start) ? SheetTr::tr(w.start) : stored;
}

QString stored(SheetValue value, const QString &shown)
{
    const ValueWords &w = words(value);
    return w.prompt && shown == SheetTr::tr(w.start) ? QString::fromLatin1(w.start) : shown;
}

QString given(SheetValue value, const QString &stored)
{
    const ValueWords &w = words(value);
    return w.prompt && stored == QLatin1StringView(w.start) ? QString() : stored;
}

QString labelled(const QString &label)
{
    //: A label before its value, in the exports: "Type: Angel". French puts a no-break space
    //: before the colon.
    return SheetTr::tr("%1:").arg(label);
}

const QStringList &characterTypeNames()
{
    static const QStringList names = [] {
        QStringList all;
        for (const char *word : typeWords)
            all.append(QString::fromLatin1(word));
        return all;
    }();
    return names;
}

QStringList characterTypeLabels()
{
    QStringList labels;
    for (const char *word : typeWords)
        labels.append(SheetTr::tr(word));
    return labels;
}

QString typeLabel()
{
    return SheetTr::tr("Type");
}

QString noTypeLabel()
{
    return SheetTr::tr("none chosen");
}

QString typeCaption()
{
    return SheetTr::tr(" Character Type ");
}

const std::array<Realm, 3> &realms()
{
    static const std::array<Realm, 3> all = {{
        {u"corporeal"_s, SheetValue::Corporeal, {SheetValue::Strength, SheetValue::Agility}},
        {u"ethereal"_s, SheetValue::Ethereal, {SheetValue::Intelligence, SheetValue::Precision}},
        {u"celestial"_s, SheetValue::Celestial, {SheetValue::Will, SheetValue::Perception}},
    }};
    return all;
}

const QStringList &realmNames()
{
    static const QStringList names = [] {
        QStringList all;
        for (const Realm &realm : realms())
            all.append(QString::fromLatin1(words(realm.forces).label));
        return all;
    }();
    return names;
}

QStringList realmLabels()
{
    QStringList labels;
    for (const Realm &realm : realms())
        labels.append(label(realm.forces));
    return labels;
}

QString controlName(SheetList list)
{
    return QString::fromUtf16(words(list).control);
}

QString key(SheetList list)
{
    return QString::fromLatin1(words(list).key);
}

QString heading(SheetList list)
{
    return shownWord(words(list).heading);
}

QString tabName(SheetList list)
{
    return QString::fromLatin1(words(list).tab);
}

QString tabCaption(SheetList list)
{
    return shownWord(words(list).tab);
}

const QList<SheetList> &printedOrder()
{
    static const QList<SheetList> order = [] {
        QList<SheetList> all(SheetListCount);
        for (SheetList list : allLists())
            all[words(list).printedAt] = list;
        return all;
    }();
    return order;
}

const QList<SheetList> &checkBoxOrder()
{
    static const QList<SheetList> order = {
        SheetList::Songs,     SheetList::Skills,   SheetList::Vessels,  SheetList::Roles,
        SheetList::Artifacts, SheetList::Servants, SheetList::Discords, SheetList::Distinctions};
    return order;
}

int printedColumn(SheetList list)
{
    return words(list).column;
}

QString printedHeader(SheetList list)
{
    return shownWord(words(list).header);
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

} // namespace SheetNames
