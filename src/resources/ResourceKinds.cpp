#include "resources/ResourceKinds.h"

#include "resources/DistinctionsAttunements.h"
#include "resources/ServantsArtifactsDiscord.h"
#include "resources/SongsSkills.h"
#include "resources/VesselsRoles.h"

#include <QCoreApplication>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Resources)
};

} // namespace

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
    return {
        Text::tr("Level:"), {edit, spoken}, {upDown, Text::tr("%1 arrows").arg(spoken)}, 1, 6, 1};
}

NumberField number(const QString &label, const QString &edit, const QString &upDown,
                   const QString &spoken, int minimum, int maximum, int start)
{
    return {label,   {edit, spoken}, {upDown, Text::tr("%1 arrows").arg(spoken)},
            minimum, maximum,        start};
}

// clang-format off
std::array<ResourceKind, SheetListCount> describeAll()
{
    return {{
        {SheetList::ChoirBandAttunements, {}, Text::tr("Extra Choir/Band Attunments:"),
         {u"ExtraChoir_BandAttunmentEdit"_s, Text::tr("Extra Choir/Band attunement")},
         attunementPlaceholder(), {}, {}, {}, false, {}, {},
         {u"ExtraChoir_BandAttunmentSpeedButton"_s, Text::tr("Add Choir/Band attunement")}, Text::tr("Add"),
         Text::tr("Extra Choir/Band attunements"), addChoirBandEntry, deleteRefundingFixedCost},
        {SheetList::SuperiorAttunements, {}, Text::tr("Extra Superior Attunments:"),
         {u"ExtraSuperiorAttunmentEdit"_s, Text::tr("Extra Superior attunement")},
         attunementPlaceholder(), {}, {}, {}, false, {}, {},
         {u"ExtraSuperiorAttunmentSpeedButton"_s, Text::tr("Add Superior attunement")}, Text::tr("Add"),
         Text::tr("Extra Superior attunements"), addSuperiorEntry, deleteRefundingFixedCost},
        {SheetList::Songs, {u"SongsTabSheet"_s, Text::tr("Songs page")}, Text::tr("Song:"),
         {u"SongEdit"_s, Text::tr("Song name")}, songPlaceholder(),
         {u"SongTypeRadioGroup"_s, Text::tr("Song type")}, Text::tr("Song Type"),
         {level(u"SongLevelEdit"_s, u"SongLevelUpDown"_s, Text::tr("Song level"))}, false, {}, {},
         {u"SongAddBitBtn"_s, Text::tr("Add Song")}, Text::tr("Add"), Text::tr("Songs"),
         addSongEntry, deleteRefundingRecordedCost},
        {SheetList::Skills, {u"SkillsTabSheet"_s, Text::tr("Skills page")}, Text::tr("Skill:"),
         {u"SkillEdit"_s, Text::tr("Skill name")}, skillPlaceholder(), {}, {},
         {level(u"SkillLevelEdit"_s, u"SkillLevelUpDown"_s, Text::tr("Skill level"))}, false, {}, {},
         {u"SkillAddBitBtn"_s, Text::tr("Add Skill")}, Text::tr("Add"), Text::tr("Skills"),
         addSkillEntry, deleteRefundingRecordedCost},
        {SheetList::Vessels, {u"VesselsTabSheet"_s, Text::tr("Vessels page")}, Text::tr("Vessel:"),
         {u"VesselEdit"_s, Text::tr("Vessel name")}, vesselPlaceholder(), {}, {},
         {level(u"VesselLevelEdit"_s, u"VesselUpDown"_s, Text::tr("Vessel level")),
          number(Text::tr("Charisma:"), u"VesselCharismaEdit"_s, u"VesselCharismaUpDown"_s,
                 Text::tr("Vessel Charisma"), -2, 3, 0)}, false,
         {u"BodyHitsEdit"_s, Text::tr("Body Hits")}, Text::tr("Body Hits:"),
         {u"VesselAddBitBtn"_s, Text::tr("Add Vessel")}, Text::tr("Add"), Text::tr("Vessels"),
         addVesselEntry, deleteRefundingRecordedCost},
        {SheetList::Roles, {u"RolesTabSheet"_s, Text::tr("Roles page")}, Text::tr("Role:"),
         {u"RolesEdit"_s, Text::tr("Role name")}, rolePlaceholder(), {}, {},
         {level(u"RolesLevelEdit"_s, u"RoleLevelUpDown"_s, Text::tr("Role level")),
          number(Text::tr("Status:"), u"RoleStatusEdit"_s, u"RoleStatusUpDown"_s,
                 Text::tr("Role status"), 1, 6, 1)}, false, {}, {},
         {u"RolesAddBitBtn"_s, Text::tr("Add Role")}, Text::tr("Add"), Text::tr("Roles"),
         addRoleEntry, deleteRefundingRecordedCost},
        {SheetList::Servants, {u"ServantsTabSheet"_s, Text::tr("Servants page")},
         Text::tr("Servant:"), {u"ServantEdit"_s, Text::tr("Servant name")}, servantPlaceholder(), {}, {},
         {level(u"ServantLevelEdit"_s, u"ServantLevelUpDown"_s, Text::tr("Servant level")),
          number(Text::tr("Class:"), u"ServantClassEdit"_s, u"ServantClassUpDown"_s,
                 Text::tr("Servant class"), 1, 6, 1)}, true, {}, {},
         {u"ServantAddBitBtn"_s, Text::tr("Add Servant")}, Text::tr("Add"), Text::tr("Servants"),
         addServantEntry, deleteRefundingRecordedCost},
        {SheetList::Artifacts, {u"ArtifactsTabSheet"_s, Text::tr("Artifacts page")},
         Text::tr("Artifact:"), {u"ArtifactEdit"_s, Text::tr("Artifact description")}, artifactPlaceholder(),
         {u"ArtifactTypeRadioGroup"_s, Text::tr("Artifact type")}, Text::tr("Artifact Type"),
         {level(u"ArtifactLevelEdit"_s, u"ArtifactLevelUpDown"_s, Text::tr("Artifact level")),
          number(Text::tr("Modifier:"), u"ArtifactModifierEdit"_s, u"ArtifactModifierUpDown"_s,
                 Text::tr("Artifact modifier"), -6, 6, 0)}, true, {}, {},
         {u"ArtifactAddBitBtn"_s, Text::tr("Add Artifact")}, Text::tr("Add"), Text::tr("Artifacts"),
         addArtifactEntry, deleteRefundingRecordedCost},
        {SheetList::Discords, {u"DiscordTabSheet"_s, Text::tr("Discord page")},
         Text::tr("Discord:"), {u"DiscordEdit"_s, Text::tr("Discord description")}, discordPlaceholder(),
         {u"DiscordTypeRadioGroup"_s, Text::tr("Discord type")}, Text::tr("Discord Type"),
         {level(u"DiscordLevelEdit"_s, u"DiscordLevelUpDown"_s, Text::tr("Discord level"))}, true, {}, {},
         {u"DiscordAddBitBtn"_s, Text::tr("Add Discord")}, Text::tr("Add"), Text::tr("Discords"),
         addDiscordEntry, deleteDiscord},
        {SheetList::Distinctions, {u"DistinctionsTabSheet"_s, Text::tr("Distinctions page")},
         Text::tr("Distinction:"), {u"DistinctionsEdit"_s, Text::tr("Distinction")},
         distinctionPlaceholder(), {}, {}, {}, false, {}, {},
         {u"DistinctionsBitBtn"_s, Text::tr("Add Distinction")}, Text::tr("Add"), Text::tr("Distinctions"),
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
