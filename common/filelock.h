#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

#include <chrono>

namespace palmora {

// The lock beside a file that copies of the program changing it take turns
// with: a QLockFile named after the file with ".lock" added, released when the
// object goes. A lock left by a copy that was killed, even one killed before it
// wrote its name into the lock, never keeps the next copy waiting; nor does the
// lock QLockFile takes while it clears such a lock (".lock.rmlock").
class FileLock {
    Q_DECLARE_TR_FUNCTIONS(FileLock)
public:
    explicit FileLock(const QString &filePath);

    // Takes the lock, waiting up to `wait` for another copy that holds it.
    // Why it could not be taken, in a sentence for the user: another copy
    // held it all that time, the disk is full, the folder may not be written,
    // or the lock is no ordinary file. Empty once it is held.
    [[nodiscard]] QString take(std::chrono::milliseconds wait);

private:
    void clearLeftover(const QString &lockPath) const;

    QString m_lockPath;
    QLockFile m_lock;
};

} // namespace palmora
