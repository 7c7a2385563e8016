#include "files/CharacterFile.h"

#include "sheet/IntText.h"

using namespace Qt::StringLiterals;

namespace {

void appendLine(QString &out, QStringView line)
{
    const qsizetype start = out.size();
    out += line;
    for (qsizetype i = start; i < out.size(); ++i) {
        const char16_t c = out.at(i).unicode();
        if (c == u'\r' || c == u'\n' || c == u'\x1a')
            out[i] = u' ';
    }
    out += u"\r\n";
}

qsizetype estimatedSize(const CharacterFile &file)
{
    qsizetype size = 64;
    for (const QString &text : file.texts)
        size += text.size() + 2;
    for (const QStringList &list : file.lists) {
        for (const QString &item : list)
            size += item.size() + 2;
        size += 3;
    }
    return size;
}

} // namespace

namespace CharacterFileFormat {

QByteArray encode(const CharacterFile &file)
{
    QString out;
    out.reserve(estimatedSize(file));
    appendLine(out, file.text(SheetValue::CharacterName));
    appendLine(out, IntText::fromInt(file.typeIndex));
    for (SheetValue v : SheetNames::allValues()) {
        if (v != SheetValue::CharacterName)
            appendLine(out, file.text(v));
    }
    for (const QStringList &list : file.lists) {
        for (const QString &item : list)
            appendLine(out, item);
        appendLine(out, u"*");
    }
    return out.toUtf8();
}

} // namespace CharacterFileFormat
