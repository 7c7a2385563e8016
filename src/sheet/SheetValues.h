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

// The words of these values and lists: their controls, keys, labels and prompts.
#include "sheet/SheetNames.h"
