#pragma once

#include "common/FileIdentity.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class CharacterSheet;

// What the window knows of the character on the sheet beyond its values: the file it was opened
// from or last saved to (none at the start and after New) as that file was then, and whether the
// sheet has changed since the start, the last New, Open or Save. Changed means that Save would
// now write other bytes; a sheet restored from a recovery copy counts as changed until it is
// saved.
class CharacterDocument : public QObject
{
    Q_OBJECT

public:
    explicit CharacterDocument(const CharacterSheet &sheet, QObject *parent = nullptr);

    const CharacterSheet &sheet() const { return m_sheet; }
    // The file as it was named when opened or saved; empty when there is none.
    const QString &fileName() const { return m_fileName; }
    // That file as it was when it was read or written.
    const FileIdentity &identity() const { return m_identity; }

    // The sheet as it is now is the one of `fileName` (empty: of no file).
    void markUnchanged(const QString &fileName = {}, const FileIdentity &identity = {});
    // The sheet holds a character restored from a copy; it belonged to `fileName`.
    void markRestored(const QString &fileName, const FileIdentity &identity);
    bool isChanged() const;
    // True when `name` stands for the document's own file, untouched since it was read or
    // written: the same canonical path, device, inode, size and modification time.
    bool isOwnFile(const QString &name) const;

    // The bytes Save would write now.
    QByteArray bytes() const;

Q_SIGNALS:
    // A value, the type or a list of the sheet changed; whether the sheet is changed may differ.
    void sheetEdited();
    // The file or the state it was saved in changed: New, Open, Save or a restored copy.
    void fileChanged();

private:
    void watchSheet();
    QByteArray fingerprint() const;

    const CharacterSheet &m_sheet;
    QString m_fileName;
    FileIdentity m_identity;
    QByteArray m_saved;
};
