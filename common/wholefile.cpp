#include "common/wholefile.h"

#include "common/filetrust.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace palmora {

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString linkEnd(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 32 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

namespace {

// What the new file is named after: the file's own name, cut short when the
// folder would not take it with seven characters added, so that any name the
// folder takes can be written.
QString scratchBaseName(int folderFd, QString name)
{
    const long longest = ::fpathconf(folderFd, _PC_NAME_MAX);
    while (!name.isEmpty() && QFile::encodeName(name).size() + 7 > (longest > 0 ? longest : NAME_MAX))
        name.chop(name.back().isLowSurrogate() ? 2 : 1);
    return name;
}

// A name for the new file beside `name`. Its first character is never a
// lower-case letter: six of those alone may be a name a person chose, and
// would not be known as a leftover.
QByteArray scratchName(const QByteArray &name)
{
    static constexpr char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz";
    QByteArray scratch = name + '.' + kCharacters[QRandomGenerator::global()->bounded(36)];
    for (int i = 1; i < 6; ++i)
        scratch += kCharacters[QRandomGenerator::global()->bounded(62)];
    return scratch;
}

// Every writer flocks its new file as soon as it has made it, so one that
// nobody flocks and that has not changed for a second was left by a writer
// that was killed.
void clearScratchLeftovers(int folderFd, const QString &path)
{
    const QDateTime now = QDateTime::currentDateTime();
    for (const QFileInfo &entry : FileTrust::scratchLeftovers(path)) {
        if (entry.lastModified().msecsTo(now) < 1000)
            continue;
        const QByteArray name = QFile::encodeName(entry.fileName());
        const int fd = ::openat(folderFd, name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folderFd, name.constData(), 0);
        ::close(fd);
    }
}

// Writes `bytes` into a new file of the folder under a scratch name, complete on
// disk and with `mode`, and gives that name; the system's reason when it could
// not, and then no scratch file is left.
int writeScratch(int folderFd, const QByteArray &name, const QByteArray &bytes, mode_t mode,
                 QByteArray &temporary)
{
    // What killed writers left beside the file goes first.
    const QString scratchBase = scratchBaseName(folderFd, QFile::decodeName(name));
    clearScratchLeftovers(folderFd, QStringLiteral("/proc/self/fd/%1/").arg(folderFd) + scratchBase);
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = scratchName(QFile::encodeName(scratchBase));
        fd = ::openat(folderFd, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    // Held until the file is closed: another copy's next write leaves it be.
    ::flock(fd, LOCK_EX | LOCK_NB);

    const auto fail = [&](int error) {
        ::close(fd);
        ::unlinkat(folderFd, temporary.constData(), 0);
        return error;
    };
    // A short write is retried: the retry either goes on or fails with the
    // system's reason (a full disk, say).
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return fail(step < 0 ? errno : ENOSPC);
        written += step;
    }
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlinkat(folderFd, temporary.constData(), 0);
        return error;
    }
    return 0;
}

int openFolderOf(const QString &path)
{
    return ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

QString whyNotAFile(bool isFolder)
{
    return isFolder ? QCoreApplication::translate("WholeFile", "It is a folder, not a file.")
                    : QCoreApplication::translate("WholeFile", "It is not an ordinary file.");
}

WholeFileRead readFileWhole(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    // A device is not even opened: opening some of them does something.
    struct stat info { };
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return {{}, whyNotAFile(S_ISDIR(info.st_mode))};
    // Whatever took the path's place meanwhile is judged again once open, and
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {{}, systemErrorText(errno)};
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &info) != 0)
        return {{}, systemErrorText(errno)};
    if (!S_ISREG(info.st_mode))
        return {{}, whyNotAFile(S_ISDIR(info.st_mode))};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return {{}, file.errorString()};
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > maxBytes)
        return {
            {},
            QCoreApplication::translate("WholeFile", "It is larger than %n bytes.", nullptr, int(maxBytes)),
            true};
    return {std::move(bytes), {}};
}

QString writeFileWholeAt(int folderFd, const QByteArray &name, const QByteArray &bytes,
                         WholeFileMode permissions)
{
    if (name.size() > NAME_MAX)
        return systemErrorText(ENAMETOOLONG);

    mode_t mode = S_IRUSR | S_IWUSR;
    if (struct stat old {};
        ::fstatat(folderFd, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode)) {
        // A file its owner made read-only is not to be changed, even though
        // the folder would let it be replaced.
        if (::faccessat(folderFd, name.constData(), W_OK, AT_EACCESS) != 0)
            return systemErrorText(errno);
        if (permissions == WholeFileMode::KeepPermissions)
            mode = old.st_mode & 07777;
    }

    QByteArray temporary;
    if (const int error = writeScratch(folderFd, name, bytes, mode, temporary); error != 0)
        return systemErrorText(error);
    if (::renameat(folderFd, temporary.constData(), folderFd, name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(folderFd, temporary.constData(), 0);
        return systemErrorText(error);
    }
    return {};
}

QString writeFileWhole(const QString &path, const QByteArray &bytes, WholeFileMode permissions)
{
    const int folderFd = openFolderOf(path);
    if (folderFd < 0)
        return systemErrorText(errno);
    const auto closeFolder = qScopeGuard([folderFd] { ::close(folderFd); });
    return writeFileWholeAt(folderFd, QFile::encodeName(QFileInfo(path).fileName()), bytes, permissions);
}

QString createFileWhole(const QString &path, const QByteArray &bytes)
{
    const int folderFd = openFolderOf(path);
    if (folderFd < 0)
        return systemErrorText(errno);
    const auto closeFolder = qScopeGuard([folderFd] { ::close(folderFd); });
    const QByteArray name = QFile::encodeName(QFileInfo(path).fileName());
    if (name.size() > NAME_MAX)
        return systemErrorText(ENAMETOOLONG);

    QByteArray temporary;
    if (const int error = writeScratch(folderFd, name, bytes, S_IRUSR | S_IWUSR, temporary); error != 0)
        return systemErrorText(error);
    if (::renameat2(folderFd, temporary.constData(), folderFd, name.constData(), RENAME_NOREPLACE) == 0)
        return {};
    int error = errno;
    // Some file systems cannot rename without replacing; a hard link never
    // replaces either, and the scratch name then goes.
    if (error == EINVAL && ::linkat(folderFd, temporary.constData(), folderFd, name.constData(), 0) == 0)
        error = 0;
    ::unlinkat(folderFd, temporary.constData(), 0);
    return error == 0 ? QString() : systemErrorText(error);
}

} // namespace palmora
