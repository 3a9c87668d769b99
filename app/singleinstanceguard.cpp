#include "app/singleinstanceguard.h"

#include "common/filetrust.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace palmora {

namespace {

enum class LockState {
    Live, // a process of this user holds it
    Removed, // it was this user's, held by nobody, and is gone now
    Unprovable // neither taken nor proved live: foreign, not a file, or unreadable
};

// A holder keeps an flock on its lock file for as long as it runs, so the flock,
// not the file's content or age, tells a live copy from a leftover.
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
        // A lock gets its name only once its maker holds it (see
        // createHeldLock), so one that nobody holds is a leftover, however new.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // Nobody holds it: remove it while holding its flock, so a copy
            // starting now is not robbed.
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

// Opens a new file at `name`, or under a fresh name beside it when `name` ends
// in XXXXXX, and holds an flock on it: -1 when it cannot.
int openHeld(QByteArray &name, bool fresh)
{
    const int fd = fresh ? ::mkostemp(name.data(), O_CLOEXEC)
                         : ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        if (fresh)
            ::unlink(name.constData());
        return -1;
    }
    // The process number, for a person who looks at the file.
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    [[maybe_unused]] const ssize_t written = ::write(fd, pid.constData(), static_cast<size_t>(pid.size()));
    return fd;
}

// Makes the lock file and holds it: -1 when it exists already or cannot be made.
// It is made and flocked under a name of its own and then linked to its real
// name in one step, so a lock that exists under that name is always held by its
// maker, and a copy that meets one nobody holds may take it over at once. The
// file only has to exist while this copy runs, so it is not synced to disk.
int createHeldLock(const QString &path)
{
    QByteArray name = QFile::encodeName(path);
    QByteArray scratch = name + ".XXXXXX";
    const int fd = openHeld(scratch, true);
    if (fd < 0)
        return -1;
    const int linked = ::link(scratch.constData(), name.constData());
    const int linkError = errno;
    ::unlink(scratch.constData());
    if (linked == 0)
        return fd;
    ::close(fd);
    // A file system without links (some network and FAT ones) gets the lock
    // made under its name; there a copy starting at this very moment could
    // still meet it before it is held.
    if (linkError == EPERM || linkError == EOPNOTSUPP || linkError == EXDEV)
        return openHeld(name, false);
    return -1;
}

// Removes the scratch names of locks whose makers were killed before linking
// them: files named after the lock with six characters added, that nobody holds.
void removeScratchLeftovers(const QString &path)
{
    for (const QFileInfo &entry : FileTrust::scratchLeftovers(path))
        inspectExistingLock(entry.absoluteFilePath());
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString &lockFilePath)
    : m_path(lockFilePath)
{
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

SingleInstanceGuard::Result SingleInstanceGuard::acquire()
{
    if (m_fd >= 0)
        return Result::Acquired;
    if (m_path.isEmpty())
        return Result::Unavailable;
    // An existing lock is judged by its flock alone, without reading it, which
    // would wait on a FIFO.
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
    m_fd = createHeldLock(m_path);
    if (m_fd >= 0) {
        removeScratchLeftovers(m_path);
        return Result::Acquired;
    }
    // Another copy made the lock a moment ago: it counts only once proved live.
    if (lockExists(m_path) && inspectExistingLock(m_path) == LockState::Live)
        return Result::AlreadyRunning;
    return Result::Unavailable;
}

void SingleInstanceGuard::release()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so no other copy can take a lock that is going.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

QString SingleInstanceGuard::defaultLockFilePath()
{
    // The runtime folder is judged here rather than by QStandardPaths, which
    // warns on the terminal when there is none and then makes one of its own
    // under the temporary folder, by a name another user could take first.
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    struct stat info { };
    if (folder.startsWith('/') && ::lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & S_IRWXO) == 0
        && ((info.st_mode & S_IRWXG) == 0 || FileTrust::isUsersOwnGroup(info.st_gid)))
        return QFile::decodeName(folder) + QStringLiteral("/palmora.lock");
    // Otherwise the user's cache folder: in the shared temporary folder any name
    // this user's copy could choose can be taken first by another user.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    const QString own = cache + QStringLiteral("/palmora");
    // Where another user can add or replace files, a lock proves nothing.
    if (!FileTrust::makePrivateFolder(own) || !FileTrust::isPrivateFolder(own))
        return {};
    return own + QStringLiteral("/palmora.lock");
}

} // namespace palmora
