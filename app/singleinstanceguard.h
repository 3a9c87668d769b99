#pragma once

#include <QString>

#include <memory>

namespace palmora {

class FileLock;

// One copy of the program per user: a lock file in the user's runtime folder (or,
// without one, in the user's cache folder), held by the copy that made it for
// as long as it runs.
// Only a lock held by a live process of this user keeps a copy out. A lock left
// behind by a copy that crashed or was killed, whatever it holds, is taken over;
// a lock that can be neither taken nor proved live (another user's file, a
// folder, a FIFO, a link) lets the copy run without one.
class SingleInstanceGuard {
public:
    enum class Result {
        Acquired, // this is the only copy
        AlreadyRunning, // another live copy holds the lock
        Unavailable // the lock could not be made, nor proved held by a live copy
    };

    explicit SingleInstanceGuard(const QString &lockFilePath = defaultLockFilePath());
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    Result acquire();
    void release();

    static QString defaultLockFilePath();

private:
    QString m_path;
    // The lock while this copy holds it.
    std::unique_ptr<FileLock> m_lock;
};

} // namespace palmora
