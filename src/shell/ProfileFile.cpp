#include "shell/ProfileFile.h"

#include "sheet/IntText.h"
#include "sheet/QuillError.h"
#include "shell/ProfileText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

using namespace Qt::StringLiterals;

namespace ProfileFile {
namespace {

std::optional<QByteArray> readContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

[[noreturn]] void unableToWrite(const QString &path)
{
    throw QuillError(u"Unable to write to %1"_s.arg(path));
}

// Writes a temporary file beside the target and renames it over the target (keeping its
// permissions). Every write and the flush are checked: commit() alone can miss a failed flush.
void replaceContent(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        unableToWrite(path);
    if (file.write(content) != content.size() || !file.flush() || !file.commit()) {
        file.cancelWriting();
        unableToWrite(path);
    }
}

} // namespace

QString readString(const QString &path, const QString &section, const QString &key,
                   const QString &defaultValue)
{
    const auto content = readContent(path);
    if (!content)
        return defaultValue;
    const auto value = ProfileText::value(*content, section.toUtf8(), key.toUtf8());
    return value ? QString::fromUtf8(*value) : defaultValue;
}

bool readBool(const QString &path, const QString &section, const QString &key, bool defaultValue)
{
    const auto number = IntText::parse(readString(path, section, key, QString()));
    return number ? *number != 0 : defaultValue;
}

void writeString(const QString &path, const QString &section, const QString &key,
                 const QString &value)
{
    writeStrings(path, {{section, key, value}});
}

void writeStrings(const QString &path, const QList<Entry> &entries)
{
    QByteArray content;
    if (QFileInfo::exists(path)) {
        // A file that exists but cannot be read is not overwritten: its other lines would be lost.
        const auto existing = readContent(path);
        if (!existing)
            unableToWrite(path);
        content = *existing;
    }
    for (const Entry &e : entries)
        content =
            ProfileText::withValue(content, e.section.toUtf8(), e.key.toUtf8(), e.value.toUtf8());
    replaceContent(path, content);
}

} // namespace ProfileFile
