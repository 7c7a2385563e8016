#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>
#include <vector>

class QLockFile;
struct RecoveryNote;

// One recovery copy in the recovery folder: the character as a character file "<pid>-<random>.qmc"
// and its note "<pid>-<random>.note", held by the lock file "<pid>-<random>.lock" while a program
// owns it. The lock is taken before the first write and released after the files are removed, so
// a copy whose lock can be taken belongs to a program that has ended.
class RecoveryCopy
{
public:
    // A new copy for this program in `folder`; nothing is made until it is written. Without a
    // folder (no home folder is known) it cannot be written.
    explicit RecoveryCopy(const QString &folder);
    // A copy found in its folder under `base` (the path without extension), locked by `lock`.
    RecoveryCopy(const QString &base, std::unique_ptr<QLockFile> lock);
    // Releases the lock; the files stay, to be offered at the next start.
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy &) = delete;
    RecoveryCopy &operator=(const RecoveryCopy &) = delete;

    QString characterFile() const;
    QString noteFile() const;
    // True once written, until removed.
    bool isWritten() const { return m_written; }

    // Writes the character and its note, each replacing its last version in one rename, taking
    // the lock first. Returns why it failed, as the end of a sentence; empty when written.
    QString write(QByteArrayView character, const RecoveryNote &note);
    // Deletes both files, then releases the lock.
    void remove();
    // Gives both files names that are no copy's, so they are never offered again but stay for
    // the player to look at; releases the lock. Returns the character file's new name, empty when
    // it could not be renamed.
    QString setAside();

private:
    QString m_base;
    std::unique_ptr<QLockFile> m_lock;
    bool m_written = false;
};

// The copies in `folder` whose programs have ended, newest first, each now locked for the
// caller. Copies whose character file is named in `skip` are passed over.
std::vector<std::unique_ptr<RecoveryCopy>> orphanedCopies(const QString &folder,
                                                          const QStringList &skip);
