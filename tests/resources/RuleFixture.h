#pragma once

#include "common/QuillError.h"
#include "sheet/CharacterSheet.h"
#include "support/ErrorOf.h"
#include "support/RecordingPrompter.h"

#include <functional>

// A sheet with a character type and a pool, and a prompter that records what the rules show.
struct RuleFixture
{
    explicit RuleFixture(int pool, bool typed = true)
    {
        if (typed)
            sheet.setTypeIndex(0);
        sheet.setNumber(SheetValue::CharacterPoints, pool);
    }

    QString pool() const { return sheet.text(SheetValue::CharacterPoints); }

    CharacterSheet sheet;
    RecordingPrompter prompter;
};
