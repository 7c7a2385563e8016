#include "shell/settings/ProfileFile.h"

#include "common/OutsideFile.h"
#include "common/OutsideWrite.h"
#include "common/ProfileText.h"
#include "common/QuillError.h"
#include "common/Translations.h"
#include "sheet/IntText.h"
#include "shell/Tr.h"

#include <QSaveFile>
#include <cerrno>
#include <optional>

using namespace Qt::StringLiterals;

namespace ProfileFile {
namespace {

std::optional<QByteArray> readContent(const QString &path)
{
    Content content = load(path);
    if (content.state != Content::State::Read)
        return std::nullopt;
    return std::move(content.bytes);
}

// A failed write says only that; a refused one says why, too.
void replaceContent(const QString &path, const QByteArray &content)
{
    const OutsideFile::WriteResult written = OutsideFile::replace(path, content, settingsRule);
    if (!written.refusal.isEmpty())
        throw QuillError(ShellTr::tr("Unable to write to %1: %2").arg(path, written.refusal));
    if (written.error)
        unableToWrite(path);
}

} // namespace

const OutsideFile::ReplaceRule settingsRule{
    QT_TRANSLATE_NOOP("Quillmark::Common", "a settings file"),
    OutsideFile::settingsFile.maxBytes + 1, OutsideFile::isSettingsFile};

void unableToWrite(const QString &path)
{
    throw QuillError(ShellTr::tr("Unable to write to %1").arg(path));
}

Content load(const QString &path)
{
    OutsideFile::Result file = OutsideFile::read(path, OutsideFile::settingsFile);
    Content content;
    if (file.ok()) {
        content.state = Content::State::Read;
        content.bytes = std::move(file.bytes);
    } else if (!file.refusal.isEmpty()) {
        content.state = Content::State::Refused;
        content.refusal = file.refusal;
    } else if (file.error != ENOENT && file.error != ENOTDIR && file.error != EISDIR) {
        content.state = Content::State::Unreadable;
    }
    return content;
}

QString stringIn(const QByteArray &content, const QString &section, const QString &key,
                 const QString &defaultValue)
{
    const auto value = ProfileText::value(content, section.toUtf8(), key.toUtf8());
    return value ? QString::fromUtf8(*value) : defaultValue;
}

bool boolIn(const QByteArray &content, const QString &section, const QString &key,
            bool defaultValue)
{
    const auto number = IntText::parse(stringIn(content, section, key, QString()));
    return number ? *number != 0 : defaultValue;
}

QString readString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultValue)
{
    const auto content = readContent(path);
    return content ? stringIn(*content, section, key, defaultValue) : defaultValue;
}

bool readBool(const QString &path, const QString &section, const QString &key, bool defaultValue)
{
    const auto content = readContent(path);
    return content ? boolIn(*content, section, key, defaultValue) : defaultValue;
}

void writeString(const QString &path, const QString &section, const QString &key,
                 const QString &value)
{
    writeStrings(path, {{section, key, value}});
}

void writeStrings(const QString &path, const QList<Entry> &entries)
{
    // A file that exists but cannot be read is not overwritten: its other lines would be lost.
    const Content existing = load(path);
    if (existing.state == Content::State::Unreadable || existing.state == Content::State::Refused)
        unableToWrite(path);
    QByteArray content = existing.bytes;
    for (const Entry &e : entries)
        content =
            ProfileText::withValue(content, e.section.toUtf8(), e.key.toUtf8(), e.value.toUtf8());
    // A file over the reader's limit would be refused at every later start.
    if (content.size() > OutsideFile::settingsFile.maxBytes)
        throw QuillError(
            ShellTr::tr("Unable to write to %1: the settings would take %2 bytes, more than the "
                        "%3 bytes a settings file may hold; the file was left as it was")
                .arg(path, Translations::number(content.size()),
                     Translations::number(OutsideFile::settingsFile.maxBytes)));
    replaceContent(path, content);
}

} // namespace ProfileFile
