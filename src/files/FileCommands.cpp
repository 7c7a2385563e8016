#include "files/FileCommands.h"

#include "common/Prompter.h"
#include "common/QuillError.h"
#include "common/Translations.h"
#include "files/CharacterFile.h"
#include "files/FileAccess.h"
#include "sheet/CharacterSheet.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
};

} // namespace

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
    return Text::tr("The character file \"%1\" cannot be read: it holds more than %2 items")
        .arg(name, Translations::numberLocale().toString(CharacterFileFormat::maximumItems));
}

} // namespace

QString clearQuestion()
{
    return Text::tr("This will clear all current work.  Are you sure?");
}

QString noFileToOpenMessage()
{
    return Text::tr("You must select a character file.");
}

QString noFileNameMessage()
{
    return Text::tr("You must enter a file name.");
}

QString endedEarlyMessage()
{
    return Text::tr("The character file ended before all of its lists were read. The character "
                    "was loaded as far as the file goes; some lists may be incomplete.");
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
