#pragma once

#include "common/FileIdentity.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// The small text beside a recovery copy: which file the character belonged to and how that file
// was when it was read or written, the name the offer shows, and when the copy was written. One
// "key=value" line each; names and paths are percent-encoded, so any byte of them fits on a line.
struct RecoveryNote
{
    QString file; // the character's file as it was named; empty when it had none
    FileIdentity identity;
    QString name; // the character's name, or the file's name when it has none
    QDateTime written;

    QByteArray encode() const;
    // Unknown keys and lines that are not "key=value" are skipped; a missing or unreadable value
    // is left as a default-built note has it.
    static RecoveryNote decode(QByteArrayView text);

    bool operator==(const RecoveryNote &) const = default;
};
