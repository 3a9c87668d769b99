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

QString writeFileWhole(const QString &path, const QByteArray &bytes, WholeFileMode permissions)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const QByteArray name = QFile::encodeName(QFileInfo(path).fileName());
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return systemErrorText(errno);
    const auto closeFolder = qScopeGuard([folderFd] { ::close(folderFd); });
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

    // The temporary name is kept short, so that any name the folder takes works.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = ".palmora-" + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::openat(folderFd, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST)
            return systemErrorText(errno);
    }
    if (fd < 0)
        return systemErrorText(EEXIST);

    const auto fail = [&](int error) {
        ::close(fd);
        ::unlinkat(folderFd, temporary.constData(), 0);
        return systemErrorText(error);
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
        return systemErrorText(error);
    }
    if (::renameat(folderFd, temporary.constData(), folderFd, name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(folderFd, temporary.constData(), 0);
        return systemErrorText(error);
    }
    return {};
}

} // namespace palmora
