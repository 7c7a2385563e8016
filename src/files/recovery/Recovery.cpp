#include "files/recovery/Recovery.h"

#include "common/OutsideFile.h"
#include "common/Prompter.h"
#include "common/QuillError.h"
#include "common/QuotedValue.h"
#include "files/CharacterDocument.h"
#include "files/CharacterFile.h"
#include "files/FileCommands.h"
#include "files/Tr.h"
#include "files/recovery/RecoveryCopy.h"
#include "files/recovery/RecoveryNote.h"
#include "sheet/CharacterSheet.h"

#include <QFileInfo>

namespace Recovery {
namespace {

// A note holds a few paths and a name; anything larger is not one.
constexpr OutsideFile::Kind noteFile{QT_TRANSLATE_NOOP("Quillmark::Common", "a recovery note"),
                                     qint64(1) << 20};

// What the offer calls the character: its name, or its file's when it has none.
QString shownName(const QString &characterName, const QString &fileName)
{
    if (!characterName.isEmpty() &&
        characterName != SheetNames::startText(SheetValue::CharacterName))
        return characterName;
    return QFileInfo(fileName).fileName();
}

struct ReadCopy
{
    CharacterFile character;
    RecoveryNote note;
    QString refusal; // why it does not read as a character; empty when it does
};

ReadCopy read(const RecoveryCopy &copy)
{
    ReadCopy read;
    const OutsideFile::Result bytes =
        OutsideFile::read(copy.characterFile(), OutsideFile::characterFile);
    if (!bytes.ok()) {
        read.refusal = bytes.reason();
        return read;
    }
    try {
        read.character = FileCommands::decode(copy.characterFile(), bytes.bytes);
    } catch (const QuillError &error) {
        read.refusal = error.message();
        return read;
    }
    // Without its note the character is still whole; it then belongs to no file.
    const OutsideFile::Result note = OutsideFile::read(copy.noteFile(), noteFile);
    if (note.ok())
        read.note = RecoveryNote::decode(note.bytes);
    read.note.name = shownName(
        read.note.name.isEmpty() ? read.character.text(SheetValue::CharacterName) : read.note.name,
        read.note.file);
    return read;
}

void setAside(RecoveryCopy &copy, const QString &why, Prompter &prompter)
{
    const QString name = copy.characterFile();
    prompter.inform(setAsideMessage(name, why, copy.setAside()));
}

} // namespace

QString restoreQuestion(const QString &name)
{
    if (name.isEmpty())
        return FilesTr::tr("Quillmark ended before a character was saved. Restore it?");
    // A name of a hundred thousand letters is shown cut, with its length.
    return FilesTr::tr("Quillmark ended before the character \"%1\" was saved. Restore it?")
        .arg(QuotedValue::quote(name, {}, {}));
}

QString setAsideMessage(const QString &copy, const QString &why, const QString &asideAs)
{
    if (asideAs.isEmpty())
        return FilesTr::tr("The recovery copy \"%1\" cannot be read as a character: %2. It was "
                           "left where it is.")
            .arg(copy, why);
    return FilesTr::tr("The recovery copy \"%1\" cannot be read as a character: %2. It was set "
                       "aside as \"%3\".")
        .arg(copy, why, asideAs);
}

QString write(const CharacterDocument &document, RecoveryCopy &copy)
{
    RecoveryNote note;
    note.file = document.fileName();
    note.identity = document.identity();
    note.name = shownName(document.sheet().text(SheetValue::CharacterName), document.fileName());
    note.written = QDateTime::currentDateTimeUtc();
    return copy.write(document.bytes(), note);
}

bool offer(const QString &folder, CharacterSheet &sheet, CharacterDocument &document,
           std::unique_ptr<RecoveryCopy> &own, Prompter &prompter, QStringList &offered)
{
    for (std::unique_ptr<RecoveryCopy> &copy : orphanedCopies(folder, offered)) {
        offered << copy->characterFile();
        const ReadCopy found = read(*copy);
        if (!found.refusal.isEmpty()) {
            setAside(*copy, found.refusal, prompter);
            continue;
        }
        switch (prompter.askToRestore(restoreQuestion(found.note.name))) {
        case Prompter::Recovery::Restore:
            FileCommands::apply(sheet, found.character);
            document.markRestored(found.note.file, found.note.identity);
            if (own && own->isWritten())
                own->remove();
            own = std::move(copy);
            return true;
        case Prompter::Recovery::Delete:
            copy->remove();
            break;
        case Prompter::Recovery::Later:
            break;
        }
    }
    return false;
}

} // namespace Recovery
