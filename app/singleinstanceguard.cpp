#include "app/singleinstanceguard.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace palmora {

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
    // A live holder keeps an flock on the file, so QLockFile never removes its lock
    // however old it is; only a lock whose process is gone counts as stale.
    if (m_lock->tryLock(0))
        return Result::Acquired;
    if (m_lock->error() == QLockFile::LockFailedError)
        return Result::AlreadyRunning;
    return Result::Unavailable;
}

void SingleInstanceGuard::release()
{
    m_lock->unlock();
}

QString SingleInstanceGuard::defaultLockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/palmora.lock");
}

} // namespace palmora
