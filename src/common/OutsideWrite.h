#pragma once

#include "common/FileIdentity.h"
#include "common/ReplaceRule.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whole-file writes of everything the program makes: character files, the settings file, PDFs,
// the exports and the recovery copies. A write never leaves a file half written: the new content
// goes to a temporary file in the target's folder, is flushed to the disk and only then takes the
// target's name in one rename, so a file manager sees the file changed, never removed. What may
// be replaced is decided by the writer's ReplaceRule, when the write starts and again just before
// the rename, which happens only while the name still stands for the file judged (same device and
// inode). Between that last look and the rename another program could put a file there; one that
// can do that could as well delete the file, so that moment is accepted. A file the character
// reader opens is replaced by Save alone. A symbolic link is followed to a regular file that
// passes the same judgement (the link stays); a link to nothing, or to anything but a regular
// file, is refused.
namespace OutsideFile {

struct WriteResult
{
    // The errno of a failed look-up, creation, write or rename (EISDIR for a folder); 0 otherwise.
    int error = 0;
    // Why the target was not replaced, as the end of a sentence: "it exists and is not a PDF",
    // "it is a named pipe, not a regular file"; empty otherwise.
    QString refusal;
    // After a successful write: the file written, under the target's name.
    FileIdentity identity;

    bool ok() const { return error == 0 && refusal.isEmpty(); }
    // Why the target was not written, as the end of a sentence; see OutsideFile::reason().
    QString reason() const;
};

// A write whose content another library produces by name (QPdfWriter, QPrinter's PDF output):
// made at the start, filled through temporaryName() or fd(), then committed. Destroyed without a
// successful commit, it removes the temporary file and leaves the target as it was.
class PendingWrite
{
public:
    PendingWrite(const QString &name, const ReplaceRule &rule);
    ~PendingWrite();
    PendingWrite(const PendingWrite &) = delete;
    PendingWrite &operator=(const PendingWrite &) = delete;

    // The judgement of the target at the start; nothing was created when it is not ok().
    const WriteResult &started() const { return m_result; }
    QString temporaryName() const;
    int fd() const { return m_fd; }

    // Flushes the temporary file to the disk, judges the target again and puts the file in its
    // place with one rename. The temporary file is gone afterwards, whatever the result.
    WriteResult commit();

private:
    WriteResult place();

    QString m_name;
    const ReplaceRule &m_rule;
    QByteArray m_temporary;
    int m_fd = -1;
    WriteResult m_result;
};

// Writes `bytes` as the whole content of `name` under `rule`; on any failure leaves the target as
// it was and leaves nothing behind.
WriteResult replace(const QString &name, QByteArrayView bytes, const ReplaceRule &rule);

// The refusals' own words, for tests and for callers that frame them.
QString notTheRightKind(const ReplaceRule &rule); // "it exists and is not a PDF"
QString characterFileKept();                      // "it is a character file, which only ..."
QString linkToNothing();                          // "it is a link to a missing file"

} // namespace OutsideFile
