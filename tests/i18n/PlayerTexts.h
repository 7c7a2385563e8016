#pragma once

#include "cli/CommandLine.h"
#include "common/FileNames.h"
#include "files/CharacterFile.h"
#include "files/SheetSamples.h"
#include "sheet/Forces.h"
#include "sheet/SheetHelpers.h"
#include "support/ErrorOf.h"

#include <QString>

// Texts a player meets beside the window, in the installed language, for the language tests to
// read: the refusal of a Force past 6, --help, the name a nameless character's file is offered
// under, and the refusal of a value too long, which holds two large numbers.
namespace PlayerTexts {

inline QString forceAtSixRefusal()
{
    CharacterSheet sheet;
    SheetHelpers::choose(sheet, 0);
    SheetHelpers::setNumbers(sheet, {{SheetValue::Corporeal, 6}, {SheetValue::TotalForces, 15}});
    RecordingPrompter prompter;
    Forces::raise(sheet, Forces::Realm::Corporeal, prompter);
    return prompter.shown.join(u'\n');
}

inline QString help()
{
    return CommandLine::parse({QStringLiteral("quillmark"), QStringLiteral("--help")}).output;
}

inline QString nameOfANamelessCharacter()
{
    return FileNames::offered(QString(), QStringLiteral(".qmc"));
}

// Its value of 100,001 characters, where 100,000 are allowed.
inline QString tooLongValueRefusal()
{
    QList<QByteArray> lines = plainLines();
    lines[0] = QByteArray(100'001, 'n');
    return errorOf([&lines] { CharacterFileFormat::decode(joinLines(lines)); });
}

} // namespace PlayerTexts
