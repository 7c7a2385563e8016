#include "shell/Configuration.h"

#include "sheet/Prompter.h"
#include "shell/ProfileFile.h"
#include "shell/StartFolder.h"
#include "shell/cMain.h"

#include <QCheckBox>
#include <QTimer>
#include <QVariant>
#include <array>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Setting
{
    QString section;
    QString key;
    QString checkBox;
};

// In the order the keys are written and read. The Discord box is stored as "Discords".
const std::array<Setting, 16> &settings()
{
    static const QString types = u"Character Types"_s;
    static const QString resources = u"Resource Types"_s;
    static const std::array<Setting, 16> all = {{
        {types, u"Angel"_s, u"AngelCheckBox"_s},
        {types, u"Demon"_s, u"DemonCheckBox"_s},
        {types, u"Outcast"_s, u"OutcastCheckBox"_s},
        {types, u"Renegade"_s, u"RenegadeCheckBox"_s},
        {types, u"Soldier"_s, u"SoldierCheckBox"_s},
        {types, u"Undead"_s, u"UndeadCheckBox"_s},
        {types, u"Remnant"_s, u"RemnantCheckBox"_s},
        {types, u"Mundane"_s, u"MundaneCheckBox"_s},
        {resources, u"Songs"_s, u"SongsCheckBox"_s},
        {resources, u"Skills"_s, u"SkillsCheckBox"_s},
        {resources, u"Vessels"_s, u"VesselsCheckBox"_s},
        {resources, u"Roles"_s, u"RolesCheckBox"_s},
        {resources, u"Artifacts"_s, u"ArtifactsCheckBox"_s},
        {resources, u"Servants"_s, u"ServantsCheckBox"_s},
        {resources, u"Discords"_s, u"DiscordCheckBox"_s},
        {resources, u"Distinctions"_s, u"DistinctionsCheckBox"_s},
    }};
    return all;
}

// Set on the window when the settings file found at start-up was refused.
constexpr const char *ignoredSettingsProperty = "quillmarkIgnoredSettingsFile";

QString ignoredSettingsMessage(const QString &path, const QString &refusal)
{
    return u"The settings file %1 was ignored: %2. Every character type and resource kind is "
           u"offered, and closing the window leaves that file as it is."_s.arg(path, refusal);
}

// All sixteen keys go into the file in one replacing write, so a failed store leaves the file
// as it was rather than partly updated.
void storeSettings(const QString &path, const std::function<bool(const Setting &)> &isOn)
{
    QList<ProfileFile::Entry> entries;
    for (const Setting &s : settings())
        entries.append({s.section, s.key, isOn(s) ? u"1"_s : u"0"_s});
    ProfileFile::writeStrings(path, entries);
}

} // namespace

void loadConfiguration(TMainForm *form)
{
    const QString path = StartFolder::settingsFile();
    const ProfileFile::Content file = ProfileFile::load(path);
    form->setProperty(ignoredSettingsProperty, QVariant());
    switch (file.state) {
    case ProfileFile::Content::State::NoFile:
        // A folder of that name is no settings file; creating one there fails with a clear error.
        storeSettings(path, [](const Setting &) { return true; });
        return;
    case ProfileFile::Content::State::Refused:
        // The boxes stay on, and the close leaves the file alone: it was never read.
        form->setProperty(ignoredSettingsProperty, path);
        // Said from the event loop, once the window is on screen, so the box shows over it.
        QTimer::singleShot(0, form, [form, text = ignoredSettingsMessage(path, file.refusal)] {
            form->prompter().inform(text);
        });
        return;
    case ProfileFile::Content::State::Unreadable:
    case ProfileFile::Content::State::Read:
        break;
    }
    // A changed state raises the box's toggled signal, which runs its click handler at once.
    for (const Setting &s : settings()) {
        const bool on = ProfileFile::boolIn(file.bytes, s.section, s.key, true);
        form->control<QCheckBox>(s.checkBox)->setChecked(on);
    }
}

void storeConfiguration(TMainForm *form)
{
    const QString path = StartFolder::settingsFile();
    if (form->property(ignoredSettingsProperty).toString() == path)
        return;
    storeSettings(path, [form](const Setting &s) {
        return form->control<QCheckBox>(s.checkBox)->isChecked();
    });
}
