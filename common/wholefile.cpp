#include "common/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <fcntl.h>
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

// Writes `bytes` into a new file of the folder under a scratch name, complete on
// disk and with `mode`, and gives that name; the system's reason when it could
// not, and then no scratch file is left.
int writeScratch(int folderFd, const QByteArray &bytes, mode_t mode, QByteArray &temporary)
{
    // The temporary name is kept short, so that any name the folder takes works.
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = ".palmora-" + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::openat(folderFd, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;

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
    if (const int error = writeScratch(folderFd, bytes, mode, temporary); error != 0)
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
    if (const int error = writeScratch(folderFd, bytes, S_IRUSR | S_IWUSR, temporary); error != 0)
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
