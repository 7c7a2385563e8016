#include "files/CharacterFile.h"

#include "sheet/CharacterSheet.h"

CharacterFile CharacterFile::fromSheet(const CharacterSheet &sheet)
{
    CharacterFile file;
    for (SheetValue v : SheetNames::allValues())
        file.text(v) = sheet.text(v);
    file.typeIndex = sheet.typeIndex();
    for (SheetList l : SheetNames::allLists())
        file.list(l) = sheet.items(l);
    return file;
}
