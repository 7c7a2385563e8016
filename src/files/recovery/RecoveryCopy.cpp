#include "files/recovery/RecoveryCopy.h"

#include "common/OutsideWrite.h"
#include "files/recovery/RecoveryFolder.h"
#include "files/recovery/RecoveryNote.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

// The names a program gives its copies; nothing else in the folder is ever offered.
const QRegularExpression copyName(u"^[0-9]+-[0-9a-f]{8}\\.qmc$"_s);

std::unique_ptr<QLockFile> lockFor(const QString &base)
{
    auto lock = std::make_unique<QLockFile>(base + u".lock"_s);
    // Never stale by age: a lock is given up only when the program that holds it has ended.
    lock->setStaleLockTime(0);
    return lock;
}

QString newBase(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    return u"%1/%2-%3"_s.arg(folder)
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0'));
}

} // namespace

RecoveryCopy::RecoveryCopy(const QString &folder) : m_base(newBase(folder)) {}

RecoveryCopy::RecoveryCopy(const QString &base, std::unique_ptr<QLockFile> lock)
    : m_base(base), m_lock(std::move(lock)), m_written(true)
{
}

RecoveryCopy::~RecoveryCopy() = default;

QString RecoveryCopy::characterFile() const
{
    return m_base + u".qmc"_s;
}

QString RecoveryCopy::noteFile() const
{
    return m_base + u".note"_s;
}

QString RecoveryCopy::write(QByteArrayView character, const RecoveryNote &note)
{
    if (m_base.isEmpty())
        return qt_error_string(ENOENT);
    if (!m_lock) {
        if (const int error = RecoveryFolder::make(QFileInfo(m_base).absolutePath()))
            return qt_error_string(error);
        auto lock = lockFor(m_base);
        if (!lock->tryLock(0))
            return qt_error_string(lock->error() == QLockFile::PermissionError ? EACCES : EEXIST);
        m_lock = std::move(lock);
    }
    // The character first: a note without its copy would be found by nobody.
    const OutsideFile::WriteResult copied =
        OutsideFile::replace(characterFile(), character, OutsideFile::characterSave);
    if (!copied.ok())
        return copied.reason();
    m_written = true;
    return OutsideFile::replace(noteFile(), note.encode(), OutsideFile::characterSave).reason();
}

void RecoveryCopy::remove()
{
    QFile::remove(characterFile());
    QFile::remove(noteFile());
    m_written = false;
    m_lock.reset();
}

QString RecoveryCopy::setAside()
{
    const QString aside = m_base + u"-unreadable.qmc"_s;
    const bool renamed = QFile::rename(characterFile(), aside);
    if (renamed)
        QFile::rename(noteFile(), m_base + u"-unreadable.note"_s);
    m_written = false;
    m_lock.reset();
    return renamed ? aside : QString();
}

std::vector<std::unique_ptr<RecoveryCopy>> orphanedCopies(const QString &folder,
                                                          const QStringList &skip)
{
    std::vector<std::unique_ptr<RecoveryCopy>> copies;
    if (folder.isEmpty())
        return copies;
    // Newest first.
    const QFileInfoList found = QDir(folder).entryInfoList({u"*.qmc"_s}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : found) {
        if (!copyName.match(file.fileName()).hasMatch() || skip.contains(file.filePath()))
            continue;
        const QString base = file.filePath().chopped(4);
        std::unique_ptr<QLockFile> lock = lockFor(base);
        if (lock->tryLock(0))
            copies.push_back(std::make_unique<RecoveryCopy>(base, std::move(lock)));
    }
    return copies;
}
