#include "common/filetrust.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace palmora {

namespace {

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

// The user's own group, when the user has one; looked up once per user, and
// only when a group write bit asks for it.
std::optional<gid_t> ownGroupOfUser(uid_t user)
{
    static std::mutex mutex;
    static std::optional<uid_t> lookedUpFor;
    static std::optional<gid_t> ownGroup;
    const std::lock_guard lock(mutex);
    if (lookedUpFor == user)
        return ownGroup;
    lookedUpFor = user;
    ownGroup.reset();

    const long sizeHint = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(sizeHint > 0 ? sizeHint : 16384));
    struct passwd account { };
    struct passwd *found = nullptr;
    if (::getpwuid_r(user, &account, buffer.data(), buffer.size(), &found) != 0 || !found)
        return ownGroup;
    const QByteArray userName(account.pw_name);
    const gid_t primary = account.pw_gid;

    // A group with many members needs more room than the hint gives.
    std::vector<char> groupBuffer(65536);
    struct group entry { };
    struct group *groupFound = nullptr;
    int error = 0;
    while ((error = ::getgrgid_r(primary, &entry, groupBuffer.data(), groupBuffer.size(), &groupFound))
               == ERANGE
           && groupBuffer.size() < (1U << 24))
        groupBuffer.resize(groupBuffer.size() * 2);
    if (error != 0 || !groupFound)
        return ownGroup;
    QByteArrayList members;
    for (char **member = entry.gr_mem; member && *member; ++member)
        members.append(QByteArray(*member));
    if (FileTrust::isOwnGroup(userName, primary, primary, QByteArray(entry.gr_name), members))
        ownGroup = primary;
    return ownGroup;
}

} // namespace

bool FileTrust::isOwnGroup(const QByteArray &userName, unsigned primaryGroupId, unsigned groupId,
                           const QByteArray &groupName, const QByteArrayList &members)
{
    if (userName.isEmpty() || groupId != primaryGroupId || groupName != userName)
        return false;
    // The user listed as a member of their own group adds nobody.
    return std::all_of(members.cbegin(), members.cend(),
                       [&](const QByteArray &member) { return member == userName; });
}

bool FileTrust::isUsersOwnGroup(unsigned groupId)
{
    const std::optional<gid_t> own = ownGroupOfUser(::geteuid());
    return own && *own == groupId;
}

bool FileTrust::isWritableByOthers(unsigned mode, unsigned groupId)
{
    if (mode & S_IWOTH)
        return true;
    return (mode & S_IWGRP) && !isUsersOwnGroup(groupId);
}

QString FileTrust::whyUntrusted(const QString &path)
{
    return whyUntrustedPath(path, true);
}

QString FileTrust::whyFolderUntrusted(const QString &folder)
{
    return whyUntrustedPath(folder, false);
}

bool FileTrust::makePrivateFolder(const QString &folder)
{
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QDir().mkdir(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return QFileInfo(folder).isDir();
}

QString FileTrust::whyUntrustedPath(const QString &path, bool isFile)
{
    const QByteArray real = resolved(path);
    if (real.isEmpty())
        return tr("%1 cannot be found.").arg(QDir::toNativeSeparators(path));

    QByteArray part = real;
    while (!part.isEmpty()) {
        const QString shown = QDir::toNativeSeparators(QFile::decodeName(part));
        struct stat info { };
        if (::lstat(part.constData(), &info) != 0)
            return tr("%1 cannot be examined.").arg(shown);
        if (isFile && !S_ISREG(info.st_mode))
            return tr("%1 is not an ordinary file.").arg(shown);
        if (!isFile && !S_ISDIR(info.st_mode))
            return tr("%1 is not a folder.").arg(shown);
        if (!belongsToUserOrRoot(info))
            return tr("%1 belongs to another user.").arg(shown);
        const bool sticky = !isFile && (info.st_mode & S_ISVTX);
        if (!sticky && isWritableByOthers(info.st_mode, info.st_gid))
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
    return owner && !(info.st_mode & S_ISVTX) && !isWritableByOthers(info.st_mode, info.st_gid);
}

QFileInfoList FileTrust::scratchLeftovers(const QString &path, const QString &suffix)
{
    const QFileInfo file(path);
    const QString prefix = file.fileName() + QLatin1Char('.');
    // Checked by hand rather than by a regular expression (a name filter is
    // one too): this runs at every start, before the window shows, and the
    // expression engine's compiler alone is half a megabyte to page in.
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
    QDirIterator entries(file.path(), QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        if (!isScratchName(entries.fileName()))
            continue;
        const QFileInfo entry = entries.fileInfo();
        if (!entry.isSymLink() && entry.isFile() && entry.ownerId() == ::geteuid())
            found.append(entry);
    }
    return found;
}

} // namespace palmora
