#pragma once

#include "resources/ItemFields.h"
#include "sheet/SheetValues.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class CharacterSheet;

// One description of a character for every export: its values as the sheet stores them, each
// with the words the vocabulary gives it (the JSON's key, the label Markdown and plain text show),
// and the ten lists in the order the printout shows them. Built from the sheet, not the window.
namespace SheetExport {

struct Value
{
    SheetValue value;
    QString text; // as stored: a prompt still standing is the English prompt

    QString key() const { return SheetNames::key(value); }
    QString label() const { return SheetNames::label(value); }
    // As the window shows it: a prompt in the player's language.
    QString shown() const { return SheetNames::shown(value, text); }
};

struct Realm
{
    QString key;
    Value forces; // its label is the realm's name
    std::array<Value, 2> characteristics;
};

struct List
{
    SheetList list;
    QStringList items; // as stored

    // As the player reads them.
    QStringList shown() const { return Resources::ShownItems(list)(items); }
};

struct Description
{
    Value name;
    int typeIndex;
    QString typeName;                // English; empty when no type is chosen
    std::array<Value, 2> allegiance; // Choir/Band, Superior
    std::array<Realm, 3> realms;
    std::array<Value, 4> totals; // total Forces, Character Points, Mind Hits, Soul Hits
    QList<List> lists;

    // The type as the player reads it, or what shows while none is chosen.
    QString typeLabel() const;
};

Description describe(const CharacterSheet &sheet);

// The exports' own words: the realms' table headers.
QString realmHeader();
QString forcesHeader();
QString characteristicsHeader();

} // namespace SheetExport
