#pragma once

#include "sheet/SheetValues.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class CharacterSheet;

// One description of a character for every export: each value with the key the JSON gives it
// and the label Markdown and plain text show (an English source text, translated when shown),
// and the ten lists in the order the printout shows them. Built from the sheet, not the window.
namespace SheetExport {

struct Value
{
    const char *key;
    const char *label;
    QString text;
};

struct Realm
{
    const char *key;
    const char *label;
    Value forces;
    std::array<Value, 2> characteristics;
};

struct List
{
    SheetList list;
    const char *key;
    const char *heading;
    QStringList items;
};

struct Description
{
    QString name;
    int typeIndex;
    QString typeName;                // English; empty when no type is chosen
    std::array<Value, 2> allegiance; // Choir/Band, Superior
    std::array<Realm, 3> realms;
    std::array<Value, 4> totals; // total Forces, Character Points, Mind Hits, Soul Hits
    QList<List> lists;
};

Description describe(const CharacterSheet &sheet);

// A label or heading in the user's language.
QString shown(const char *label);

// The same words in every language: the last line of a Markdown or text export, the value of the
// JSON's "format" key. A file is taken as an earlier export of its kind only by these.
inline constexpr char16_t jsonMarker[] = u"quillmark-character";
inline constexpr char16_t markdownMarker[] =
    u"<!-- Quillmark character export: Markdown, version 1 -->";
inline constexpr char16_t textMarker[] = u"Quillmark character export: plain text, version 1";

} // namespace SheetExport
