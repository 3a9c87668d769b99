#include "common/filelock.h"

#include "common/wholefile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>

namespace palmora {

FileLock::FileLock(const QString &filePath)
    : m_lockPath(filePath + QStringLiteral(".lock"))
    , m_lock(m_lockPath)
{
}

QString FileLock::take(std::chrono::milliseconds wait)
{
    const QString shownLock = QDir::toNativeSeparators(m_lockPath);
    // QLockFile would wait on a FIFO for a writer that never comes.
    if (const QFileInfo info(m_lockPath); info.isSymLink() || (info.exists() && !info.isFile()))
        return tr("%1 is not an ordinary file.").arg(shownLock);
    clearLeftover(m_lockPath);
    clearLeftover(m_lockPath + QStringLiteral(".rmlock"));

    errno = 0;
    if (m_lock.tryLock(wait))
        return {};
    // QLockFile leaves the system's reason in errno: it gives up at once when
    // the open or the write of its lock fails, and its clearing up after that
    // succeeds.
    const int error = errno;
    const QString folder = QDir::toNativeSeparators(QFileInfo(m_lockPath).absolutePath());
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        return tr("Another copy of Palmora kept the file busy.");
    case QLockFile::PermissionError:
        return tr("Palmora may not write in the folder %1.").arg(folder);
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    // A process over its file size limit is refused as a full disk refuses it.
    if (error == ENOSPC || error == EDQUOT || error == EFBIG)
        return tr("The disk that holds the folder %1 is full.").arg(folder);
    return error == 0 ? tr("The lock %1 could not be made.").arg(shownLock)
                      : tr("The lock %1 could not be made: %2").arg(shownLock, systemErrorText(error));
}

// QLockFile takes over at once the lock of a copy that is gone only when the
// lock names it; one that names nobody (its maker was killed between making
// and filling it in) it takes over only when it is 30 seconds old. Every
// holder keeps a lock flocked, so one nobody flocks is a leftover, unless it
// is younger than a second: its maker may not have flocked it yet. One made on
// another machine sharing the folder is left to QLockFile's own rule.
void FileLock::clearLeftover(const QString &lockPath) const
{
    const QFileInfo info(lockPath);
    if (!info.isFile() || info.isSymLink()
        || info.lastModified().msecsTo(QDateTime::currentDateTime()) < 1000)
        return;
    QLockFile leftover(lockPath);
    qint64 pid = 0;
    QString host;
    QString application;
    if (!leftover.getLockInfo(&pid, &host, &application) || host.isEmpty()
        || host == QSysInfo::machineHostName())
        leftover.removeStaleLockFile();
}

} // namespace palmora
