#include "app/singleinstanceguard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace palmora {

namespace {

constexpr useconds_t kFreshLockPauseMicroseconds = 100 * 1000;

enum class LockState {
    Live, // a process of this user holds it
    Removed, // it was this user's, held by nobody, and is gone now
    Unprovable // neither taken nor proved live: foreign, not a file, or unreadable
};

// A QLockFile holder keeps an flock on its lock file for as long as it runs, so
// the flock, not the file's content or age, tells a live copy from a leftover.
// Opened without blocking, the lock is never waited on, whatever it is.
LockState inspectExistingLock(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return LockState::Unprovable;
    LockState state = LockState::Unprovable;
    struct stat info { };
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
        // A copy starting this very moment makes its file first and flocks it
        // right after; a brand-new lock gets that moment before it is judged.
        if (::time(nullptr) - info.st_mtime < 1)
            ::usleep(kFreshLockPauseMicroseconds);
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // Nobody holds it: remove it while holding its flock, as QLockFile
            // does for a stale lock, so a copy starting now is not robbed.
            if (::unlink(name.constData()) == 0)
                state = LockState::Removed;
        } else if (errno == EWOULDBLOCK) {
            state = LockState::Live;
        }
    }
    ::close(fd);
    return state;
}

bool lockExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString &lockFilePath)
    : m_path(lockFilePath)
    , m_lock(std::make_unique<QLockFile>(lockFilePath))
{
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

SingleInstanceGuard::Result SingleInstanceGuard::acquire()
{
    if (m_lock->isLocked())
        return Result::Acquired;
    // QLockFile reads an existing lock to judge it, which would wait on a FIFO
    // and keeps junk for 30 s; the lock is judged here first.
    if (lockExists(m_path)) {
        switch (inspectExistingLock(m_path)) {
        case LockState::Live:
            return Result::AlreadyRunning;
        case LockState::Unprovable:
            return Result::Unavailable;
        case LockState::Removed:
            break;
        }
    }
    if (m_lock->tryLock(0))
        return Result::Acquired;
    // Another copy made the lock a moment ago: it counts only once proved live.
    if (m_lock->error() == QLockFile::LockFailedError && lockExists(m_path)
        && inspectExistingLock(m_path) == LockState::Live)
        return Result::AlreadyRunning;
    return Result::Unavailable;
}

void SingleInstanceGuard::release()
{
    m_lock->unlock();
}

QString SingleInstanceGuard::defaultLockFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty())
        return folder + QStringLiteral("/palmora.lock");
    // The shared temporary folder serves every user: the name is this user's own,
    // so one user's copy never turns another user away.
    return QDir::tempPath() + QStringLiteral("/palmora-%1.lock").arg(::geteuid());
}

} // namespace palmora
