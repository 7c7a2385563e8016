#include "resources/ResourceKinds.h"

#include "resources/DistinctionsAttunements.h"
#include "resources/ServantsArtifactsDiscord.h"
#include "resources/SongsSkills.h"
#include "resources/Tr.h"
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
NumberField level(const QString &edit, const QString &upDown, const QString &spoken)
{
    return {ResourcesTr::tr("Level:"),
            {edit, spoken},
            {upDown, ResourcesTr::tr("%1 arrows").arg(spoken)},
            1,
            6,
            1};
}

NumberField number(const QString &label, const QString &edit, const QString &upDown,
                   const QString &spoken, int minimum, int maximum, int start)
{
    return {label,   {edit, spoken}, {upDown, ResourcesTr::tr("%1 arrows").arg(spoken)},
            minimum, maximum,        start};
}

// clang-format off
std::array<ResourceKind, SheetListCount> describeAll()
{
    return {{
        {SheetList::ChoirBandAttunements, {}, ResourcesTr::tr("Extra Choir/Band Attunments:"),
         {u"ExtraChoir_BandAttunmentEdit"_s, ResourcesTr::tr("Extra Choir/Band attunement")},
         attunementPlaceholder(), {}, {}, {}, false, {}, {},
         {u"ExtraChoir_BandAttunmentSpeedButton"_s, ResourcesTr::tr("Add Choir/Band attunement")}, ResourcesTr::tr("Add"),
         ResourcesTr::tr("Extra Choir/Band attunements"), addChoirBandEntry, deleteRefundingFixedCost},
        {SheetList::SuperiorAttunements, {}, ResourcesTr::tr("Extra Superior Attunments:"),
         {u"ExtraSuperiorAttunmentEdit"_s, ResourcesTr::tr("Extra Superior attunement")},
         attunementPlaceholder(), {}, {}, {}, false, {}, {},
         {u"ExtraSuperiorAttunmentSpeedButton"_s, ResourcesTr::tr("Add Superior attunement")}, ResourcesTr::tr("Add"),
         ResourcesTr::tr("Extra Superior attunements"), addSuperiorEntry, deleteRefundingFixedCost},
        {SheetList::Songs, {u"SongsTabSheet"_s, ResourcesTr::tr("Songs page")}, ResourcesTr::tr("Song:"),
         {u"SongEdit"_s, ResourcesTr::tr("Song name")}, songPlaceholder(),
         {u"SongTypeRadioGroup"_s, ResourcesTr::tr("Song type")}, ResourcesTr::tr("Song Type"),
         {level(u"SongLevelEdit"_s, u"SongLevelUpDown"_s, ResourcesTr::tr("Song level"))}, false, {}, {},
         {u"SongAddBitBtn"_s, ResourcesTr::tr("Add Song")}, ResourcesTr::tr("Add"), ResourcesTr::tr("Songs"),
         addSongEntry, deleteRefundingRecordedCost},
        {SheetList::Skills, {u"SkillsTabSheet"_s, ResourcesTr::tr("Skills page")}, ResourcesTr::tr("Skill:"),
         {u"SkillEdit"_s, ResourcesTr::tr("Skill name")}, skillPlaceholder(), {}, {},
         {level(u"SkillLevelEdit"_s, u"SkillLevelUpDown"_s, ResourcesTr::tr("Skill level"))}, false, {}, {},
         {u"SkillAddBitBtn"_s, ResourcesTr::tr("Add Skill")}, ResourcesTr::tr("Add"), ResourcesTr::tr("Skills"),
         addSkillEntry, deleteRefundingRecordedCost},
        {SheetList::Vessels, {u"VesselsTabSheet"_s, ResourcesTr::tr("Vessels page")}, ResourcesTr::tr("Vessel:"),
         {u"VesselEdit"_s, ResourcesTr::tr("Vessel name")}, vesselPlaceholder(), {}, {},
         {level(u"VesselLevelEdit"_s, u"VesselUpDown"_s, ResourcesTr::tr("Vessel level")),
          number(ResourcesTr::tr("Charisma:"), u"VesselCharismaEdit"_s, u"VesselCharismaUpDown"_s,
                 ResourcesTr::tr("Vessel Charisma"), -2, 3, 0)}, false,
         {u"BodyHitsEdit"_s, ResourcesTr::tr("Body Hits")}, ResourcesTr::tr("Body Hits:"),
         {u"VesselAddBitBtn"_s, ResourcesTr::tr("Add Vessel")}, ResourcesTr::tr("Add"), ResourcesTr::tr("Vessels"),
         addVesselEntry, deleteRefundingRecordedCost},
        {SheetList::Roles, {u"RolesTabSheet"_s, ResourcesTr::tr("Roles page")}, ResourcesTr::tr("Role:"),
         {u"RolesEdit"_s, ResourcesTr::tr("Role name")}, rolePlaceholder(), {}, {},
         {level(u"RolesLevelEdit"_s, u"RoleLevelUpDown"_s, ResourcesTr::tr("Role level")),
          number(ResourcesTr::tr("Status:"), u"RoleStatusEdit"_s, u"RoleStatusUpDown"_s,
                 ResourcesTr::tr("Role status"), 1, 6, 1)}, false, {}, {},
         {u"RolesAddBitBtn"_s, ResourcesTr::tr("Add Role")}, ResourcesTr::tr("Add"), ResourcesTr::tr("Roles"),
         addRoleEntry, deleteRefundingRecordedCost},
        {SheetList::Servants, {u"ServantsTabSheet"_s, ResourcesTr::tr("Servants page")},
         ResourcesTr::tr("Servant:"), {u"ServantEdit"_s, ResourcesTr::tr("Servant name")}, servantPlaceholder(), {}, {},
         {level(u"ServantLevelEdit"_s, u"ServantLevelUpDown"_s, ResourcesTr::tr("Servant level")),
          number(ResourcesTr::tr("Class:"), u"ServantClassEdit"_s, u"ServantClassUpDown"_s,
                 ResourcesTr::tr("Servant class"), 1, 6, 1)}, true, {}, {},
         {u"ServantAddBitBtn"_s, ResourcesTr::tr("Add Servant")}, ResourcesTr::tr("Add"), ResourcesTr::tr("Servants"),
         addServantEntry, deleteRefundingRecordedCost},
        {SheetList::Artifacts, {u"ArtifactsTabSheet"_s, ResourcesTr::tr("Artifacts page")},
         ResourcesTr::tr("Artifact:"), {u"ArtifactEdit"_s, ResourcesTr::tr("Artifact description")}, artifactPlaceholder(),
         {u"ArtifactTypeRadioGroup"_s, ResourcesTr::tr("Artifact type")}, ResourcesTr::tr("Artifact Type"),
         {level(u"ArtifactLevelEdit"_s, u"ArtifactLevelUpDown"_s, ResourcesTr::tr("Artifact level")),
          number(ResourcesTr::tr("Modifier:"), u"ArtifactModifierEdit"_s, u"ArtifactModifierUpDown"_s,
                 ResourcesTr::tr("Artifact modifier"), -6, 6, 0)}, true, {}, {},
         {u"ArtifactAddBitBtn"_s, ResourcesTr::tr("Add Artifact")}, ResourcesTr::tr("Add"), ResourcesTr::tr("Artifacts"),
         addArtifactEntry, deleteRefundingRecordedCost},
        {SheetList::Discords, {u"DiscordTabSheet"_s, ResourcesTr::tr("Discord page")},
         ResourcesTr::tr("Discord:"), {u"DiscordEdit"_s, ResourcesTr::tr("Discord description")}, discordPlaceholder(),
         {u"DiscordTypeRadioGroup"_s, ResourcesTr::tr("Discord type")}, ResourcesTr::tr("Discord Type"),
         {level(u"DiscordLevelEdit"_s, u"DiscordLevelUpDown"_s, ResourcesTr::tr("Discord level"))}, true, {}, {},
         {u"DiscordAddBitBtn"_s, ResourcesTr::tr("Add Discord")}, ResourcesTr::tr("Add"), ResourcesTr::tr("Discords"),
         addDiscordEntry, deleteDiscord},
        {SheetList::Distinctions, {u"DistinctionsTabSheet"_s, ResourcesTr::tr("Distinctions page")},
         ResourcesTr::tr("Distinction:"), {u"DistinctionsEdit"_s, ResourcesTr::tr("Distinction")},
         distinctionPlaceholder(), {}, {}, {}, false, {}, {},
         {u"DistinctionsBitBtn"_s, ResourcesTr::tr("Add Distinction")}, ResourcesTr::tr("Add"), ResourcesTr::tr("Distinctions"),
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

} // namespace Resources
