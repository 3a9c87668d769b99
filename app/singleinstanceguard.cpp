#include "app/singleinstanceguard.h"

#include "common/filelock.h"
#include "common/filetrust.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace palmora {

namespace {

// Long enough for a lock that names nobody, left by a copy killed while making
// it, to become a leftover that is cleared.
constexpr std::chrono::milliseconds kNamelessLockWait {1500};

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
    if (m_lock)
        return Result::Acquired;
    if (m_path.isEmpty())
        return Result::Unavailable;
    auto lock = std::make_unique<FileLock>(m_path);
    bool taken = lock->take(std::chrono::milliseconds(0)).isEmpty();
    // A copy starting at this very moment has not named itself in its lock yet.
    if (!taken && lock->error() == QLockFile::LockFailedError && lock->holder() == FileLock::Holder::Unknown)
        taken = lock->take(kNamelessLockWait).isEmpty();
    if (taken) {
        m_lock = std::move(lock);
        return Result::Acquired;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return Result::Unavailable;
    switch (lock->holder()) {
    case FileLock::Holder::Running:
        return Result::AlreadyRunning;
    case FileLock::Holder::Gone:
        return Result::Unavailable;
    case FileLock::Holder::Unknown:
        break;
    }
    // A lock that names nobody and was not cleared is held by a live copy,
    // unless it could not be cleared at all.
    return QFileInfo(m_path).isWritable() ? Result::AlreadyRunning : Result::Unavailable;
}

void SingleInstanceGuard::release()
{
    m_lock.reset();
}

QString SingleInstanceGuard::defaultLockFilePath()
{
    // The runtime folder is judged here rather than by QStandardPaths, which
    // warns on the terminal when there is none and then makes one of its own
    // under the temporary folder, by a name another user could take first.
    // Nobody else may even enter it.
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    struct stat info { };
    if (folder.startsWith('/') && ::stat(folder.constData(), &info) == 0 && info.st_uid == ::geteuid()
        && (info.st_mode & S_IRWXO) == 0
        && ((info.st_mode & S_IRWXG) == 0 || FileTrust::isUsersOwnGroup(info.st_gid))
        && FileTrust::whyFolderUntrusted(QFile::decodeName(folder)).isEmpty())
        return QFile::decodeName(folder) + QStringLiteral("/palmora.lock");
    // Otherwise the user's cache folder: in the shared temporary folder any name
    // this user's copy could choose can be taken first by another user.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    const QString own = cache + QStringLiteral("/palmora");
    // Where another user can add or replace files, a lock proves nothing.
    if (!FileTrust::judge(cache, FileTrust::Expect::Folder, true).why.isEmpty()
        || !FileTrust::makePrivateFolder(own) || !FileTrust::isPrivateFolder(own))
        return {};
    return own + QStringLiteral("/palmora.lock");
}

} // namespace palmora
