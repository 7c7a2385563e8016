#include "resources/ResourceKinds.h"

#include "resources/DistinctionsAttunements.h"
#include "resources/ServantsArtifactsDiscord.h"
#include "resources/SongsSkills.h"
#include "resources/VesselsRoles.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Resources {
namespace {

// Each kind's Add takes the page's entry in the shape its rule expects.
void addSongEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addSong(sheet, {e.name, e.type, e.numbers.value(0)}, prompter);
}
void addSkillEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addSkill(sheet, {e.name, e.numbers.value(0)}, prompter);
}
void addVesselEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addVessel(sheet, {e.name, e.numbers.value(0), e.numbers.value(1)}, prompter);
}
void addRoleEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addRole(sheet, {e.name, e.numbers.value(0), e.numbers.value(1)}, prompter);
}
void addServantEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addServant(sheet, {e.name, e.numbers.value(0), e.numbers.value(1)}, prompter);
}
void addArtifactEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addArtifact(sheet, {e.name, e.type, e.numbers.value(0), e.numbers.value(1)}, prompter);
}
void addDiscordEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addDiscord(sheet, {e.name, e.type, e.numbers.value(0)}, prompter);
}
void addDistinctionEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addDistinction(sheet, e.name, prompter);
}
void addChoirBandEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addChoirBandAttunement(sheet, e.name, prompter);
}
void addSuperiorEntry(CharacterSheet &sheet, const Entry &e, Prompter &prompter)
{
    addSuperiorAttunement(sheet, e.name, prompter);
}

// The level line that most pages share: 1 to 6, starting at 1.
NumberField level(const QString &edit, const QString &upDown, const QString &kind)
{
    return {u"Level:"_s, {edit, kind + u" level"_s}, {upDown, kind + u" level arrows"_s}, 1, 6, 1};
}

NumberField number(const QString &label, const QString &edit, const QString &upDown,
                   const QString &spoken, int minimum, int maximum, int start)
{
    return {label, {edit, spoken}, {upDown, spoken + u" arrows"_s}, minimum, maximum, start};
}

// clang-format off
std::array<ResourceKind, SheetListCount> describeAll()
{
    return {{
        {SheetList::ChoirBandAttunements, {}, {}, u"Extra Choir/Band Attunments:"_s,
         {u"ExtraChoir_BandAttunmentEdit"_s, u"Extra Choir/Band attunement"_s},
         attunementPlaceholder(), {}, {}, {}, false, {}, {},
         {u"ExtraChoir_BandAttunmentSpeedButton"_s, u"Add Choir/Band attunement"_s}, u"Add"_s,
         u"Extra Choir/Band attunements"_s, addChoirBandEntry, deleteRefundingFixedCost},
        {SheetList::SuperiorAttunements, {}, {}, u"Extra Superior Attunments:"_s,
         {u"ExtraSuperiorAttunmentEdit"_s, u"Extra Superior attunement"_s},
         attunementPlaceholder(), {}, {}, {}, false, {}, {},
         {u"ExtraSuperiorAttunmentSpeedButton"_s, u"Add Superior attunement"_s}, u"Add"_s,
         u"Extra Superior attunements"_s, addSuperiorEntry, deleteRefundingFixedCost},
        {SheetList::Songs, {u"SongsTabSheet"_s, u"Songs page"_s}, u"Songs"_s, u"Song:"_s,
         {u"SongEdit"_s, u"Song name"_s}, songPlaceholder(),
         {u"SongTypeRadioGroup"_s, u"Song type"_s}, u"Song Type"_s,
         {level(u"SongLevelEdit"_s, u"SongLevelUpDown"_s, u"Song"_s)}, false, {}, {},
         {u"SongAddBitBtn"_s, u"Add Song"_s}, u"Add"_s, u"Songs"_s,
         addSongEntry, deleteRefundingRecordedCost},
        {SheetList::Skills, {u"SkillsTabSheet"_s, u"Skills page"_s}, u"Skills"_s, u"Skill:"_s,
         {u"SkillEdit"_s, u"Skill name"_s}, skillPlaceholder(), {}, {},
         {level(u"SkillLevelEdit"_s, u"SkillLevelUpDown"_s, u"Skill"_s)}, false, {}, {},
         {u"SkillAddBitBtn"_s, u"Add Skill"_s}, u"Add"_s, u"Skills"_s,
         addSkillEntry, deleteRefundingRecordedCost},
        {SheetList::Vessels, {u"VesselsTabSheet"_s, u"Vessels page"_s}, u"Vessels"_s, u"Vessel:"_s,
         {u"VesselEdit"_s, u"Vessel name"_s}, vesselPlaceholder(), {}, {},
         {level(u"VesselLevelEdit"_s, u"VesselUpDown"_s, u"Vessel"_s),
          number(u"Charisma:"_s, u"VesselCharismaEdit"_s, u"VesselCharismaUpDown"_s,
                 u"Vessel Charisma"_s, -2, 3, 0)}, false,
         {u"BodyHitsEdit"_s, u"Body Hits"_s}, u"Body Hits:"_s,
         {u"VesselAddBitBtn"_s, u"Add Vessel"_s}, u"Add"_s, u"Vessels"_s,
         addVesselEntry, deleteRefundingRecordedCost},
        {SheetList::Roles, {u"RolesTabSheet"_s, u"Roles page"_s}, u"Roles"_s, u"Role:"_s,
         {u"RolesEdit"_s, u"Role name"_s}, rolePlaceholder(), {}, {},
         {level(u"RolesLevelEdit"_s, u"RoleLevelUpDown"_s, u"Role"_s),
          number(u"Status:"_s, u"RoleStatusEdit"_s, u"RoleStatusUpDown"_s,
                 u"Role status"_s, 1, 6, 1)}, false, {}, {},
         {u"RolesAddBitBtn"_s, u"Add Role"_s}, u"Add"_s, u"Roles"_s,
         addRoleEntry, deleteRefundingRecordedCost},
        {SheetList::Servants, {u"ServantsTabSheet"_s, u"Servants page"_s}, u"Servants"_s,
         u"Servant:"_s, {u"ServantEdit"_s, u"Servant name"_s}, servantPlaceholder(), {}, {},
         {level(u"ServantLevelEdit"_s, u"ServantLevelUpDown"_s, u"Servant"_s),
          number(u"Class:"_s, u"ServantClassEdit"_s, u"ServantClassUpDown"_s,
                 u"Servant class"_s, 1, 6, 1)}, true, {}, {},
         {u"ServantAddBitBtn"_s, u"Add Servant"_s}, u"Add"_s, u"Servants"_s,
         addServantEntry, deleteRefundingRecordedCost},
        {SheetList::Artifacts, {u"ArtifactsTabSheet"_s, u"Artifacts page"_s}, u"Artifacts"_s,
         u"Artifact:"_s, {u"ArtifactEdit"_s, u"Artifact description"_s}, artifactPlaceholder(),
         {u"ArtifactTypeRadioGroup"_s, u"Artifact type"_s}, u"Artifact Type"_s,
         {level(u"ArtifactLevelEdit"_s, u"ArtifactLevelUpDown"_s, u"Artifact"_s),
          number(u"Modifier:"_s, u"ArtifactModifierEdit"_s, u"ArtifactModifierUpDown"_s,
                 u"Artifact modifier"_s, -6, 6, 0)}, true, {}, {},
         {u"ArtifactAddBitBtn"_s, u"Add Artifact"_s}, u"Add"_s, u"Artifacts"_s,
         addArtifactEntry, deleteRefundingRecordedCost},
        {SheetList::Discords, {u"DiscordTabSheet"_s, u"Discord page"_s}, u"Discord"_s,
         u"Discord:"_s, {u"DiscordEdit"_s, u"Discord description"_s}, discordPlaceholder(),
         {u"DiscordTypeRadioGroup"_s, u"Discord type"_s}, u"Discord Type"_s,
         {level(u"DiscordLevelEdit"_s, u"DiscordLevelUpDown"_s, u"Discord"_s)}, true, {}, {},
         {u"DiscordAddBitBtn"_s, u"Add Discord"_s}, u"Add"_s, u"Discords"_s,
         addDiscordEntry, deleteDiscord},
        {SheetList::Distinctions, {u"DistinctionsTabSheet"_s, u"Distinctions page"_s},
         u"Distinctions"_s, u"Distinction:"_s, {u"DistinctionsEdit"_s, u"Distinction"_s},
         distinctionPlaceholder(), {}, {}, {}, false, {}, {},
         {u"DistinctionsBitBtn"_s, u"Add Distinction"_s}, u"Add"_s, u"Distinctions"_s,
         addDistinctionEntry, deleteDistinction},
    }};
}
// clang-format on

} // namespace

const ResourceKind &resourceKind(SheetList list)
{
    static const std::array<ResourceKind, SheetListCount> kinds = describeAll();
    const ResourceKind &kind = kinds.at(static_cast<std::size_t>(list));
    Q_ASSERT(kind.list == list);
    return kind;
}

const QList<SheetList> &resourcePageOrder()
{
    static const QList<SheetList> order = {
        SheetList::Songs,    SheetList::Skills,    SheetList::Vessels,  SheetList::Roles,
        SheetList::Servants, SheetList::Artifacts, SheetList::Discords, SheetList::Distinctions,
    };
    return order;
}

const QStringList &realmNames()
{
    static const QStringList names = {u"Corporeal"_s, u"Ethereal"_s, u"Celestial"_s};
    return names;
}

} // namespace Resources
