// The settings file on disk under any content: store one key, read the file back. The stored key
// must read back as stored, and every other line must stand as it was, byte for byte. Only the
// key's own line changes; a missing key adds its line (and its section, and blank lines to
// separate it), and a last line without a line end may gain one.
#include "common/ProfileText.h"
#include "common/QuillError.h"
#include "shell/settings/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

struct Store
{
    const char *section;
    const char *key;
};

// The names the program stores, in the case it writes them and in others a user might type.
constexpr std::array<Store, 6> stores = {{
    {"Character Types", "Angel"},
    {"Resource Types", "Discords"},
    {"Resource Types", "Songs"},
    {"resource types", "SONGS"},
    {"Character Types", "Mundane"},
    {"Extra", "Key"},
}};

QList<QByteArray> linesOf(const QByteArray &content)
{
    QList<QByteArray> lines;
    for (qsizetype begin = 0; begin < content.size();) {
        const qsizetype newline = content.indexOf('\n', begin);
        const qsizetype end = newline < 0 ? content.size() : newline + 1;
        lines.append(content.sliced(begin, end - begin));
        begin = end;
    }
    return lines;
}

bool isLineEnd(const QByteArray &bytes)
{
    return bytes == "\n" || bytes == "\r\n";
}

// A line the store may add: a blank line, the section header or the key's line.
bool isAddedLine(const QByteArray &line, const Store &store, const QByteArray &value)
{
    const QByteArray text = line.endsWith("\r\n") ? line.chopped(2) : line.chopped(1);
    return line.endsWith('\n') &&
           (text.isEmpty() || text == '[' + QByteArray(store.section) + ']' ||
            text == QByteArray(store.key) + '=' + value);
}

// The old line with its value replaced: everything up to the "=" and the line end are kept.
bool isReplacedLine(const QByteArray &before, const QByteArray &after, const QByteArray &value)
{
    const qsizetype equals = before.indexOf('=');
    if (equals < 0)
        return false;
    qsizetype textEnd = before.size();
    if (before.endsWith('\n'))
        textEnd -= before.endsWith("\r\n") ? 2 : 1;
    return after == before.first(equals + 1) + value + before.sliced(textEnd);
}

bool onlyTheKeyChanged(const QByteArray &beforeContent, const QByteArray &afterContent,
                       const Store &store, const QByteArray &value)
{
    const QList<QByteArray> before = linesOf(beforeContent);
    const QList<QByteArray> after = linesOf(afterContent);
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const QList<QByteArray> oldLines = before.sliced(prefix, before.size() - prefix - suffix);
    QList<QByteArray> newLines = after.sliced(prefix, after.size() - prefix - suffix);
    if (oldLines.size() > 1)
        return false;
    if (oldLines.size() == 1) {
        if (newLines.isEmpty())
            return false;
        const QByteArray &old = oldLines.first();
        const QByteArray &replacement = newLines.first();
        const bool gainedLineEnd = !old.endsWith('\n') && replacement.startsWith(old) &&
                                   prefix + 1 == before.size() &&
                                   isLineEnd(replacement.sliced(old.size()));
        if (newLines.size() == 1 && isReplacedLine(old, replacement, value))
            return true;
        if (!gainedLineEnd)
            return false;
        newLines.removeFirst();
    }
    for (const QByteArray &line : newLines)
        if (!isAddedLine(line, store, value))
            return false;
    return true;
}

const QTemporaryDir &folder()
{
    static const QTemporaryDir dir;
    if (!dir.isValid())
        __builtin_trap();
    return dir;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        __builtin_trap();
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const Store &store = stores[data[0] % stores.size()];
    const QByteArray value = (data[0] / stores.size()) % 2 ? "0" : "1";
    const QByteArray before(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const QString path = folder().filePath(u"quillmark.ini"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(before) != before.size())
        __builtin_trap();
    file.close();

    const QString section = QString::fromLatin1(store.section);
    const QString key = QString::fromLatin1(store.key);
    try {
        ProfileFile::writeString(path, section, key, QString::fromLatin1(value));
    } catch (const QuillError &) {
        // What is no settings file is refused, and stays as it was.
        if (contentOf(path) != before)
            __builtin_trap();
        return 0;
    }
    if (ProfileFile::readString(path, section, key, u"missing"_s) != QString::fromLatin1(value))
        __builtin_trap();
    if (!onlyTheKeyChanged(before, contentOf(path), store, value))
        __builtin_trap();
    return 0;
}
