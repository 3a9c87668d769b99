#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

#include <chrono>

namespace palmora {

// A lock that copies of the program take turns with: a QLockFile, released
// when the object goes. A lock left by a copy that was killed, even one killed
// before it wrote its name into the lock, never keeps the next copy waiting
// long; nor does the lock QLockFile takes while it clears such a lock
// (".rmlock" added).
class FileLock {
    Q_DECLARE_TR_FUNCTIONS(FileLock)
public:
    explicit FileLock(const QString &lockPath);

    // The lock beside a file: its name with ".lock" added.
    static QString besideFile(const QString &filePath) { return filePath + QStringLiteral(".lock"); }

    // Takes the lock, waiting up to `wait` for another copy that holds it.
    // Why it could not be taken, in a sentence for the user: another copy
    // held it all that time, the disk is full, the folder may not be written,
    // or the lock or a part of its path is not the user's alone. Empty once it
    // is held.
    [[nodiscard]] QString take(std::chrono::milliseconds wait);

    QLockFile::LockError error() const { return m_lock.error(); }

    enum class Holder { Running, Gone, Unknown };
    // Who holds the lock take() could not take: a process of this machine that
    // is running, one that is gone (its lock cannot be cleared), or a lock that
    // names nobody.
    Holder holder() const;

private:
    QString m_lockPath;
    QLockFile m_lock;
};

} // namespace palmora
