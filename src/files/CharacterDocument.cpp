#include "files/CharacterDocument.h"

#include "files/CharacterFile.h"

#include <QCryptographicHash>

CharacterDocument::CharacterDocument(const CharacterSheet &sheet) : m_sheet(sheet)
{
    markUnchanged({});
}

void CharacterDocument::markUnchanged(const QString &fileName)
{
    m_fileName = fileName;
    m_saved = fingerprint();
}

bool CharacterDocument::isChanged() const
{
    return fingerprint() != m_saved;
}

// A hash of the bytes Save would write, so that a large character is not kept twice.
QByteArray CharacterDocument::fingerprint() const
{
    return QCryptographicHash::hash(CharacterFileFormat::encode(CharacterFile::fromSheet(m_sheet)),
                                    QCryptographicHash::Sha256);
}
