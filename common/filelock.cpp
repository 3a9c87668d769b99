#include "common/filelock.h"

#include "common/filetrust.h"
#include "common/wholefile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>

namespace palmora {

namespace {

// QLockFile takes over at once the lock of a copy that is gone only when the
// lock names it; one that names nobody (its maker was killed between making
// and filling it in) it takes over only when it is 30 seconds old. Every
// holder keeps a lock flocked, and QLockFile never removes one that is, so
// one that is older than a second, the most a maker takes to fill it in, is
// cleared. One made on another machine sharing the folder is left to
// QLockFile's own rule.
void clearLeftover(const QString &lockPath)
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

} // namespace

FileLock::FileLock(const QString &lockPath)
    : m_lockPath(lockPath)
    , m_lock(lockPath)
{
}

QString FileLock::take(std::chrono::milliseconds wait)
{
    const QString shownLock = QDir::toNativeSeparators(m_lockPath);
    // A lock is made without following a link, and QLockFile would wait on a
    // FIFO for a writer that never comes.
    if (QFileInfo(m_lockPath).isSymLink())
        return tr("%1 is not an ordinary file.").arg(shownLock);
    if (QString why = FileTrust::judge(m_lockPath, FileTrust::Expect::File, true).why; !why.isEmpty())
        return why;

    // A lock that names nobody may become a leftover while this one waits.
    const QDeadlineTimer deadline(wait);
    int error = 0;
    for (;;) {
        clearLeftover(m_lockPath);
        clearLeftover(m_lockPath + QStringLiteral(".rmlock"));
        errno = 0;
        const bool taken = m_lock.tryLock(0);
        // QLockFile leaves the system's reason in errno: it gives up at once
        // when the open or the write of its lock fails.
        error = errno;
        if (taken)
            return {};
        if (m_lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            break;
        QThread::msleep(std::clamp<qint64>(deadline.remainingTime(), 1, 50));
    }
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

FileLock::Holder FileLock::holder() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&pid, &host, &application) || pid <= 0)
        return Holder::Unknown;
    if (host != QSysInfo::machineHostName())
        return Holder::Running;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM ? Holder::Running : Holder::Gone;
}

} // namespace palmora
