#include "common/filetrust.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <memory>

namespace palmora {

namespace {

constexpr mode_t kWritableByOthers = S_IWGRP | S_IWOTH;

bool belongsToUserOrRoot(const struct stat &info)
{
    return info.st_uid == ::geteuid() || info.st_uid == 0;
}

// The path with every link resolved, or nothing when some part is missing.
QByteArray resolved(const QString &path)
{
    const std::unique_ptr<char, decltype(&std::free)> real(
        ::realpath(QFile::encodeName(path).constData(), nullptr), &std::free);
    return real ? QByteArray(real.get()) : QByteArray();
}

} // namespace

QString FileTrust::whyUntrusted(const QString &path)
{
    const QByteArray real = resolved(path);
    if (real.isEmpty())
        return tr("%1 cannot be found.").arg(QDir::toNativeSeparators(path));

    QByteArray part = real;
    bool isFile = true;
    while (!part.isEmpty()) {
        const QString shown = QDir::toNativeSeparators(QFile::decodeName(part));
        struct stat info { };
        if (::lstat(part.constData(), &info) != 0)
            return tr("%1 cannot be examined.").arg(shown);
        if (isFile && !S_ISREG(info.st_mode))
            return tr("%1 is not an ordinary file.").arg(shown);
        if (!belongsToUserOrRoot(info))
            return tr("%1 belongs to another user.").arg(shown);
        const bool sticky = !isFile && (info.st_mode & S_ISVTX);
        if ((info.st_mode & kWritableByOthers) && !sticky)
            return tr("Other users can change %1.").arg(shown);
        if (part == "/")
            break;
        const qsizetype slash = part.lastIndexOf('/');
        part = slash > 0 ? part.left(slash) : QByteArray("/");
        isFile = false;
    }
    return {};
}

bool FileTrust::isPrivateFolder(const QString &folder, bool rootToo)
{
    struct stat info { };
    if (folder.isEmpty() || ::stat(QFile::encodeName(folder).constData(), &info) != 0
        || !S_ISDIR(info.st_mode))
        return false;
    const bool owner = info.st_uid == ::geteuid() || (rootToo && info.st_uid == 0);
    return owner && (info.st_mode & (kWritableByOthers | S_ISVTX)) == 0;
}

QFileInfoList FileTrust::scratchLeftovers(const QString &path, const QString &suffix)
{
    const QFileInfo file(path);
    const QString prefix = file.fileName() + QLatin1Char('.');
    // Checked by hand rather than by a regular expression: this runs at every
    // start, before the window shows.
    const auto isScratchName = [&](const QString &name) {
        if (name.size() != prefix.size() + 6 + suffix.size() || !name.startsWith(prefix)
            || !name.endsWith(suffix))
            return false;
        bool allLowerCase = true;
        for (const QChar c : QStringView(name).sliced(prefix.size(), 6)) {
            if (c.unicode() > 127 || !c.isLetterOrNumber())
                return false;
            allLowerCase = allLowerCase && c.isLower();
        }
        return !allLowerCase;
    };
    QFileInfoList found;
    for (const QFileInfo &entry :
         file.dir().entryInfoList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!entry.isSymLink() && entry.isFile() && entry.ownerId() == ::geteuid()
            && isScratchName(entry.fileName()))
            found.append(entry);
    }
    return found;
}

} // namespace palmora
