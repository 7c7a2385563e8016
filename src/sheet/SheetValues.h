#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The named values of one character, in the order a character file stores them (the type index,
// stored second, is held apart). Each is shown by the main-window control of the same name.
enum class SheetValue
{
    CharacterName,
    ChoirBand,
    Superior,
    Corporeal,
    Strength,
    Agility,
    Ethereal,
    Intelligence,
    Precision,
    Celestial,
    Will,
    Perception,
    TotalForces,
    CharacterPoints,
    MindHits,
    SoulHits,
};
inline constexpr int SheetValueCount = 16;

// The ten item lists, in the order a character file stores them.
enum class SheetList
{
    ChoirBandAttunements,
    SuperiorAttunements,
    Songs,
    Skills,
    Vessels,
    Roles,
    Servants,
    Artifacts,
    Discords,
    Distinctions,
};
inline constexpr int SheetListCount = 10;

// The background of the total-Forces box: the platform's menu colour until a rule sets it.
enum class TotalColour
{
    Menu,
    Green,
    Red
};

namespace SheetNames {

QString controlName(SheetValue value);
QString controlName(SheetList list);
// The text a value starts with, as a file stores it: the three prompts stay English in the
// sheet and in its files.
QString startText(SheetValue value);
// The same in the program's language.
QString shownStartText(SheetValue value);
// What a control shows of a value: a prompt in the program's language, anything else as it is.
QString shownText(SheetValue value, const QString &stored);
// The value behind what a control shows: its prompt in the program's language is the prompt.
QString storedText(SheetValue value, const QString &shown);

std::array<SheetValue, SheetValueCount> allValues();
std::array<SheetList, SheetListCount> allLists();

// "Angel" ... "Mundane", by type index 0 to 7: the game's words, also in the settings' keys.
const QStringList &characterTypeNames();
// The same in the program's language, for the labels.
QStringList characterTypeLabels();
const QStringList &choirBandEntries();
const QStringList &superiorEntries();

} // namespace SheetNames
