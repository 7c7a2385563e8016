#pragma once

#include <QByteArray>
#include <QString>

class CharacterSheet;

// What the window knows of the character on the sheet beyond its values: the file it was opened
// from or last saved to (none at the start and after New), and whether it has changed since the
// start, the last New, Open or Save. Changed means that Save would now write other bytes.
class CharacterDocument
{
public:
    explicit CharacterDocument(const CharacterSheet &sheet);

    const CharacterSheet &sheet() const { return m_sheet; }
    const QString &fileName() const { return m_fileName; }

    // The sheet as it is now is the one of `fileName` (empty: of no file).
    void markUnchanged(const QString &fileName);
    bool isChanged() const;

private:
    QByteArray fingerprint() const;

    const CharacterSheet &m_sheet;
    QString m_fileName;
    QByteArray m_saved;
};
