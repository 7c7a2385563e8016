#pragma once

#include "files/CharacterFile.h"
#include "sheet/CharacterSheet.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

using namespace Qt::StringLiterals;

// A character with every value set and every list filled, with the blanks and letters outside
// ASCII that a file must keep.
inline CharacterFile fullCharacter()
{
    CharacterFile file;
    const QStringList texts = {u"Zoë Ångström"_s,
                               u" Seraphim "_s,
                               u"Gabriel, Archangel of Fire"_s,
                               u"3"_s,
                               u"7"_s,
                               u"5"_s,
                               u"3"_s,
                               u"6"_s,
                               u"6"_s,
                               u"3"_s,
                               u"6"_s,
                               u"6"_s,
                               u"9"_s,
                               u"12"_s,
                               u"18"_s,
                               u"18"_s};
    for (int i = 0; i < SheetValueCount; ++i)
        file.texts[i] = texts[i];
    file.typeIndex = 0;
    for (int l = 0; l < SheetListCount; ++l)
        file.lists[l] = {u"Item %1 first"_s.arg(l), u"  padded item %1  "_s.arg(l),
                         u"Séance € %1"_s.arg(l)};
    return file;
}

inline void fillSheet(CharacterSheet &sheet, const CharacterFile &file)
{
    for (SheetValue v : SheetNames::allValues())
        sheet.setText(v, file.text(v));
    sheet.setTypeIndex(file.typeIndex);
    for (SheetList l : SheetNames::allLists())
        sheet.setItems(l, file.list(l));
}

// Lines joined with the given line end, the last line ended too.
inline QByteArray joinLines(const QList<QByteArray> &lines, const QByteArray &end = "\r\n")
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + end;
    return out;
}

// The lines of a file with no type, no items and the given name.
inline QList<QByteArray> plainLines(const QByteArray &typeLine = "-1")
{
    QList<QByteArray> lines = {"Name", typeLine, "Choir", "Superior"};
    for (int i = 0; i < 13; ++i)
        lines << QByteArray::number(i + 1);
    for (int i = 0; i < 10; ++i)
        lines << "*";
    return lines;
}

inline QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}
