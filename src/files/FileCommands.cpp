#include "files/FileCommands.h"

#include "common/Prompter.h"
#include "common/QuillError.h"
#include "files/CharacterFile.h"
#include "files/FileAccess.h"
#include "sheet/CharacterSheet.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace FileCommands {
namespace {

// The stored type runs the type choice, with its starting values and its refusal, before the
// stored numbers overwrite those values.
void apply(CharacterSheet &sheet, const CharacterFile &file,
           const CharacterTypes::AllowedTypes &allowed, Prompter &prompter)
{
    sheet.reset();
    sheet.setText(SheetValue::CharacterName, file.text(SheetValue::CharacterName));
    if (file.typeIndex >= 0)
        CharacterTypes::select(sheet, file.typeIndex, allowed, prompter);
    for (SheetValue v : SheetNames::allValues()) {
        if (v != SheetValue::CharacterName)
            sheet.setText(v, file.text(v));
    }
    for (SheetList l : SheetNames::allLists())
        sheet.setItems(l, file.list(l));
}

QString tooManyItemsMessage(const QString &name)
{
    return u"The character file \"%1\" cannot be read: it holds more than %2 items"_s.arg(
        name, QLocale(QLocale::English).toString(CharacterFileFormat::maximumItems));
}

} // namespace

QString clearQuestion()
{
    return u"This will clear all current work.  Are you sure?"_s;
}

QString noFileToOpenMessage()
{
    return u"You must select a character file."_s;
}

QString noFileNameMessage()
{
    return u"You must enter a file name."_s;
}

QString endedEarlyMessage()
{
    return u"The character file ended before all of its lists were read. The character was "
           u"loaded as far as the file goes; some lists may be incomplete."_s;
}

void newCharacter(CharacterSheet &sheet, Prompter &prompter)
{
    if (prompter.confirm(clearQuestion()))
        sheet.reset();
}

void openCharacter(CharacterSheet &sheet, const CharacterTypes::AllowedTypes &allowed,
                   Prompter &prompter)
{
    const QString name = prompter.openFileName();
    if (name.isEmpty())
        return prompter.inform(noFileToOpenMessage());
    load(sheet, name, allowed, prompter);
}

void saveCharacter(const CharacterSheet &sheet, Prompter &prompter)
{
    const QString name = prompter.saveFileName();
    if (name.isEmpty())
        return prompter.inform(noFileNameMessage());
    store(sheet, name);
}

void load(CharacterSheet &sheet, const QString &name, const CharacterTypes::AllowedTypes &allowed,
          Prompter &prompter)
{
    const CharacterFile file = CharacterFileFormat::decode(FileAccess::readAll(name));
    if (file.tooManyItems)
        throw QuillError(tooManyItemsMessage(name));
    apply(sheet, file, allowed, prompter);
    if (!file.complete)
        prompter.inform(endedEarlyMessage());
}

void store(const CharacterSheet &sheet, const QString &name)
{
    FileAccess::replace(name, CharacterFileFormat::encode(CharacterFile::fromSheet(sheet)));
}

} // namespace FileCommands
