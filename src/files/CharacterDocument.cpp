#include "files/CharacterDocument.h"

#include "files/CharacterFile.h"
#include "sheet/CharacterSheet.h"

#include <QCryptographicHash>

CharacterDocument::CharacterDocument(const CharacterSheet &sheet, QObject *parent)
    : QObject(parent), m_sheet(sheet)
{
    m_saved = fingerprint();
    watchSheet();
}

void CharacterDocument::watchSheet()
{
    const auto edited = [this] { Q_EMIT sheetEdited(); };
    connect(&m_sheet, &CharacterSheet::textChanged, this, edited);
    connect(&m_sheet, &CharacterSheet::typeIndexChanged, this, edited);
    for (SheetList list : SheetNames::allLists()) {
        const QStringListModel *model = m_sheet.list(list);
        connect(model, &QAbstractItemModel::rowsInserted, this, edited);
        connect(model, &QAbstractItemModel::rowsRemoved, this, edited);
        connect(model, &QAbstractItemModel::rowsMoved, this, edited);
        connect(model, &QAbstractItemModel::dataChanged, this, edited);
        connect(model, &QAbstractItemModel::modelReset, this, edited);
    }
}

void CharacterDocument::markUnchanged(const QString &fileName, const FileIdentity &identity)
{
    m_fileName = fileName;
    m_identity = identity;
    m_saved = fingerprint();
    Q_EMIT fileChanged();
}

void CharacterDocument::markRestored(const QString &fileName, const FileIdentity &identity)
{
    m_fileName = fileName;
    m_identity = identity;
    // No fingerprint is empty, so the sheet counts as changed until it is saved.
    m_saved.clear();
    Q_EMIT fileChanged();
}

bool CharacterDocument::isChanged() const
{
    return fingerprint() != m_saved;
}

bool CharacterDocument::isOwnFile(const QString &name) const
{
    return !m_identity.isNull() && FileIdentity::of(name) == m_identity;
}

QByteArray CharacterDocument::bytes() const
{
    return CharacterFileFormat::encode(CharacterFile::fromSheet(m_sheet));
}

// A hash of the bytes Save would write, so that a large character is not kept twice. It only
// tells whether the bytes differ, and nobody picks them to fool it, so the fastest of Qt's hashes
// will do: SHA-1 takes a sixth of SHA-256's time, and the window asks twice a second while the
// player types.
QByteArray CharacterDocument::fingerprint() const
{
    return QCryptographicHash::hash(bytes(), QCryptographicHash::Sha1);
}
