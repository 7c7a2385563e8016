#include "files/FileCommands.h"

#include "common/FileNames.h"
#include "common/Prompter.h"
#include "common/QuillError.h"
#include "common/Translations.h"
#include "files/CharacterDocument.h"
#include "files/CharacterFile.h"
#include "files/FileAccess.h"
#include "files/Tr.h"
#include "sheet/CharacterSheet.h"
#include "sheet/CharacterTypes.h"
#include "sheet/Forces.h"

#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace FileCommands {
namespace {

QString tooManyItemsMessage(const QString &name)
{
    return FilesTr::tr("The character file \"%1\" cannot be read: it holds more than %2 items")
        .arg(name, Translations::number(CharacterFileFormat::maximumItems));
}

// The file the character came from, or one named after the character.
QString offeredName(const CharacterDocument &document)
{
    if (!document.fileName().isEmpty())
        return document.fileName();
    const QString name = document.sheet().text(SheetValue::CharacterName);
    return FileNames::offered(SheetNames::given(SheetValue::CharacterName, name),
                              QString::fromUtf16(extension));
}

bool exists(const QString &name)
{
    const QFileInfo file(name);
    return file.exists() || file.isSymLink();
}

} // namespace

QString clearQuestion()
{
    return FilesTr::tr("This will clear all current work.  Are you sure?");
}

QString noFileToOpenMessage()
{
    return FilesTr::tr("You must select a character file.");
}

QString noFileNameMessage()
{
    return FilesTr::tr("You must enter a file name.");
}

QString endedEarlyMessage()
{
    return FilesTr::tr("The character file ended before all of its lists were read. The character "
                       "was loaded as far as the file goes; some lists may be incomplete.");
}

QString unsavedQuestion()
{
    return FilesTr::tr("The character has been changed. Do you want to save it?");
}

QString replaceQuestion(const QString &name)
{
    return FilesTr::tr("%1 already exists.\nDo you want to replace it?")
        .arg(QFileInfo(name).fileName());
}

// The stored type runs the type's choice with its starting values, but without the
// configuration's check: that limits what the player picks, not what a file holds. The stored
// numbers then overwrite those values, and the total's colour follows the Forces read.
void apply(CharacterSheet &sheet, const CharacterFile &file)
{
    sheet.reset();
    sheet.setText(SheetValue::CharacterName, file.text(SheetValue::CharacterName));
    CharacterTypes::selectStored(sheet, file.typeIndex);
    for (SheetValue v : SheetNames::allValues()) {
        if (v != SheetValue::CharacterName)
            sheet.setText(v, file.text(v));
    }
    for (SheetList l : SheetNames::allLists())
        sheet.setItems(l, file.list(l));
    Forces::showPlacedForces(sheet);
}

CharacterFile decode(const QString &name, QByteArrayView bytes)
{
    CharacterFile file = CharacterFileFormat::decode(bytes);
    if (file.tooManyItems)
        throw QuillError(tooManyItemsMessage(name));
    return file;
}

// An unchanged sheet keeps the question of its own; a changed one is asked about as before it is
// closed, and a Save or a Discard there is the answer.
void newCharacter(CharacterSheet &sheet, CharacterDocument &document, Prompter &prompter)
{
    const bool mayClear = document.isChanged() ? settleChanged(document, prompter)
                                               : prompter.confirm(clearQuestion());
    if (!mayClear)
        return;
    sheet.reset();
    document.markUnchanged();
}

void openCharacter(CharacterSheet &sheet, CharacterDocument &document, Prompter &prompter)
{
    if (!settleChanges(document, prompter))
        return;
    const QString name = prompter.openFileName();
    if (name.isEmpty())
        return prompter.inform(noFileToOpenMessage());
    load(sheet, document, name, prompter);
}

// The sheet's own file, untouched since, is written without a question; another existing file
// only on Yes, and a No shows the dialog again with the name chosen, so that Save never ends
// in silence.
bool saveCharacter(CharacterDocument &document, Prompter &prompter)
{
    QString offered = offeredName(document);
    for (;;) {
        QString name = prompter.saveFileName(offered);
        if (name.isEmpty()) {
            prompter.inform(noFileNameMessage());
            return false;
        }
        name = FileNames::withExtension(name, QString::fromUtf16(extension));
        if (!exists(name) || document.isOwnFile(name) ||
            prompter.confirmRisk(replaceQuestion(name))) {
            const FileIdentity written = store(document.sheet(), name);
            document.markUnchanged(QFileInfo(name).absoluteFilePath(), written);
            prompter.announceSaved(name);
            return true;
        }
        offered = name;
    }
}

bool settleChanges(CharacterDocument &document, Prompter &prompter)
{
    return !document.isChanged() || settleChanged(document, prompter);
}

bool settleChanged(CharacterDocument &document, Prompter &prompter)
{
    switch (prompter.askToSave(unsavedQuestion())) {
    case Prompter::Unsaved::Save:
        return saveCharacter(document, prompter);
    case Prompter::Unsaved::Discard:
        return true;
    case Prompter::Unsaved::Cancel:
        break;
    }
    return false;
}

FileIdentity load(CharacterSheet &sheet, const QString &name, Prompter &prompter)
{
    const FileAccess::Contents contents = FileAccess::readAll(name);
    const CharacterFile file = decode(name, contents.bytes);
    apply(sheet, file);
    if (!file.complete)
        prompter.inform(endedEarlyMessage());
    return contents.identity;
}

void load(CharacterSheet &sheet, CharacterDocument &document, const QString &name,
          Prompter &prompter)
{
    const FileIdentity read = load(sheet, name, prompter);
    document.markUnchanged(QFileInfo(name).absoluteFilePath(), read);
}

FileIdentity store(const CharacterSheet &sheet, const QString &name)
{
    return FileAccess::replace(name, CharacterFileFormat::encode(CharacterFile::fromSheet(sheet)));
}

} // namespace FileCommands
