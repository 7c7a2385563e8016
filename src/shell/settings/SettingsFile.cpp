#include "shell/settings/SettingsFile.h"

#include "shell/Tr.h"
#include "shell/settings/ProfileFile.h"
#include "shell/settings/StartFolder.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Key
{
    const QString &section;
    QString name;
};

const QString &typesSection()
{
    static const QString section = u"Character Types"_s;
    return section;
}

const QString &resourcesSection()
{
    static const QString section = u"Resource Types"_s;
    return section;
}

// In the order the keys are written and read. The Discord page is stored as "Discords".
const std::array<Key, 16> &keys()
{
    static const std::array<Key, 16> all = {{
        {typesSection(), u"Angel"_s},
        {typesSection(), u"Demon"_s},
        {typesSection(), u"Outcast"_s},
        {typesSection(), u"Renegade"_s},
        {typesSection(), u"Soldier"_s},
        {typesSection(), u"Undead"_s},
        {typesSection(), u"Remnant"_s},
        {typesSection(), u"Mundane"_s},
        {resourcesSection(), u"Songs"_s},
        {resourcesSection(), u"Skills"_s},
        {resourcesSection(), u"Vessels"_s},
        {resourcesSection(), u"Roles"_s},
        {resourcesSection(), u"Artifacts"_s},
        {resourcesSection(), u"Servants"_s},
        {resourcesSection(), u"Discords"_s},
        {resourcesSection(), u"Distinctions"_s},
    }};
    return all;
}

// The flag of key i, in the order of keys().
bool &flag(Configuration &c, std::size_t i)
{
    return i < c.types.size() ? c.types[i] : c.resources[i - c.types.size()];
}

QString ignoredMessage(const QString &path, const QString &refusal)
{
    return ShellTr::tr(
               "The settings file %1 was ignored: %2. Every character type and resource kind is "
               "offered, and closing the window leaves that file as it is.")
        .arg(path, refusal);
}

void write(const QString &path, Configuration c)
{
    if (StartFolder::gone())
        ProfileFile::unableToWrite(path);
    QList<ProfileFile::Entry> entries;
    for (std::size_t i = 0; i < keys().size(); ++i)
        entries.append({keys()[i].section, keys()[i].name, flag(c, i) ? u"1"_s : u"0"_s});
    ProfileFile::writeStrings(path, entries);
}

} // namespace

QString SettingsFile::path()
{
    return StartFolder::settingsFile();
}

SettingsFile::Loaded SettingsFile::load()
{
    const QString file = path();
    const ProfileFile::Content content =
        StartFolder::gone() ? ProfileFile::Content() : ProfileFile::load(file);
    m_ignored.clear();
    switch (content.state) {
    case ProfileFile::Content::State::NoFile:
        // A folder of that name is no settings file; creating one there fails with a clear error.
        write(file, Configuration{});
        return {};
    case ProfileFile::Content::State::Refused:
        // Never read, so never written over at close.
        m_ignored = file;
        return {std::nullopt, ignoredMessage(file, content.refusal)};
    case ProfileFile::Content::State::Unreadable:
    case ProfileFile::Content::State::Read:
        break;
    }
    Configuration read;
    for (std::size_t i = 0; i < keys().size(); ++i)
        flag(read, i) = ProfileFile::boolIn(content.bytes, keys()[i].section, keys()[i].name, true);
    return {read, {}};
}

void SettingsFile::store(const Configuration &configuration)
{
    const QString file = path();
    if (file != m_ignored)
        write(file, configuration);
}
