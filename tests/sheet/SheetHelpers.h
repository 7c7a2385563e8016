#pragma once

#include "sheet/CharacterSheet.h"
#include "sheet/CharacterTypes.h"
#include "support/RecordingPrompter.h"

#include <QStringList>
#include <initializer_list>
#include <utility>

// Small helpers shared by the rule tests of the Forces, the types and the bonuses.
namespace SheetHelpers {

inline void setNumbers(CharacterSheet &sheet,
                       std::initializer_list<std::pair<SheetValue, int>> values)
{
    for (const auto &[value, number] : values)
        sheet.setNumber(value, number);
}

// Every text of the sheet, to show that an operation changed nothing.
inline QStringList texts(const CharacterSheet &sheet)
{
    QStringList all;
    for (SheetValue value : SheetNames::allValues())
        all << sheet.text(value);
    return all;
}

inline CharacterTypes::AllowedTypes allowingAll()
{
    CharacterTypes::AllowedTypes all{};
    all.fill(true);
    return all;
}

// The type choice with every configuration box ticked.
inline void choose(CharacterSheet &sheet, int index)
{
    RecordingPrompter prompter;
    CharacterTypes::select(sheet, index, allowingAll(), prompter);
}

} // namespace SheetHelpers
