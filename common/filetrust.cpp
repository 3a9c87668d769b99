#include "common/filetrust.h"

#include "common/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace palmora {

namespace {

bool belongsToUserOrRoot(const struct stat &info)
{
    return info.st_uid == ::geteuid() || info.st_uid == 0;
}

// As many links as the system itself follows in one path.
constexpr int kMaxLinks = 40;

QString shown(const QByteArray &path)
{
    return QDir::toNativeSeparators(path.isEmpty() ? QStringLiteral("/") : QFile::decodeName(path));
}

// What the link at `path` holds; empty when it cannot be read.
QByteArray linkTarget(const QByteArray &path)
{
    char target[PATH_MAX];
    const ssize_t size = ::readlink(path.constData(), target, sizeof target);
    return size > 0 && size < ssize_t(sizeof target) ? QByteArray(target, size) : QByteArray();
}

// Whether nothing but empty parts and "." are left to walk.
bool onlyTrailing(const QByteArrayList &parts)
{
    return std::all_of(parts.cbegin(), parts.cend(),
                       [](const QByteArray &part) { return part.isEmpty() || part == "."; });
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

FileTrust::Verdict FileTrust::judge(const QString &path, Expect expect, bool mayBeMissing)
{
    Verdict verdict;
    const QString absolute =
        QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
    QByteArrayList pending = QFile::encodeName(absolute).split('/');
    // The folder reached so far, every part of it judged; empty for /.
    QByteArray reached;
    struct stat info { };
    if (::lstat("/", &info) != 0 || !belongsToUserOrRoot(info)
        || isWritableByOthers(info.st_mode, info.st_gid)) {
        verdict.why = tr("Other users can change %1.").arg(shown(reached));
        return verdict;
    }
    int links = 0;
    while (!pending.isEmpty()) {
        const QByteArray part = pending.takeFirst();
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            // The folder above was judged on the way here.
            reached.truncate(std::max<qsizetype>(reached.lastIndexOf('/'), 0));
            continue;
        }
        const QByteArray candidate = reached + '/' + part;
        const bool last = onlyTrailing(pending);
        if (::lstat(candidate.constData(), &info) != 0) {
            const int error = errno;
            if (error == ENOENT && mayBeMissing) {
                QByteArray end = candidate;
                for (const QByteArray &rest : std::as_const(pending)) {
                    if (!rest.isEmpty() && rest != ".")
                        end += '/' + rest;
                }
                verdict.end = QFile::decodeName(end);
                return verdict;
            }
            verdict.othersOnly = error == EACCES;
            verdict.why = error == ENOENT ? tr("%1 cannot be found.").arg(shown(candidate))
                                          : tr("%1 cannot be examined.").arg(shown(candidate));
            return verdict;
        }
        const bool isLink = S_ISLNK(info.st_mode);
        if (!belongsToUserOrRoot(info)) {
            verdict.why = isLink ? tr("%1 is a link that another user made, and Palmora does not follow it.")
                                       .arg(shown(candidate))
                                 : tr("%1 belongs to another user.").arg(shown(candidate));
            verdict.othersOnly = !isLink && ::access(candidate.constData(), R_OK) != 0;
            return verdict;
        }
        if (isLink) {
            const QByteArray target = linkTarget(candidate);
            if (target.isEmpty() || ++links > kMaxLinks) {
                verdict.why = tr("%1 is a link that cannot be followed: %2")
                                  .arg(shown(candidate), systemErrorText(target.isEmpty() ? EINVAL : ELOOP));
                return verdict;
            }
            // Where it leads is walked from / or from the folder that holds it.
            if (target.startsWith('/'))
                reached.clear();
            pending = target.split('/') + pending;
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            if (!(info.st_mode & S_ISVTX) && isWritableByOthers(info.st_mode, info.st_gid)) {
                verdict.why = tr("Other users can change %1.").arg(shown(candidate));
                return verdict;
            }
            reached = candidate;
            continue;
        }
        if (!last || expect == Expect::Folder) {
            verdict.why = tr("%1 is not a folder.").arg(shown(candidate));
            return verdict;
        }
        verdict.end = QFile::decodeName(candidate);
        verdict.exists = true;
        verdict.othersOnly = info.st_uid != ::geteuid() && ::access(candidate.constData(), R_OK) != 0;
        if (!S_ISREG(info.st_mode))
            verdict.why = tr("%1 is not an ordinary file.").arg(shown(candidate));
        else if (isWritableByOthers(info.st_mode, info.st_gid))
            verdict.why = tr("Other users can change %1.").arg(shown(candidate));
        return verdict;
    }
    verdict.end = QFile::decodeName(reached.isEmpty() ? QByteArray("/") : reached);
    verdict.exists = true;
    if (expect == Expect::File)
        verdict.why = whyNotAFile(true);
    return verdict;
}

QString FileTrust::whyFolderUntrusted(const QString &folder)
{
    return judge(folder, Expect::Folder, false).why;
}

bool FileTrust::makePrivateFolder(const QString &folder)
{
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QDir().mkdir(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return QFileInfo(folder).isDir();
}

bool FileTrust::isPrivateFolder(const QString &folder, bool rootToo)
{
    if (folder.isEmpty())
        return false;
    const Verdict verdict = judge(folder, Expect::Folder, false);
    struct stat info { };
    if (!verdict.why.isEmpty() || ::stat(QFile::encodeName(verdict.end).constData(), &info) != 0)
        return false;
    const bool owner = rootToo ? belongsToUserOrRoot(info) : info.st_uid == ::geteuid();
    return owner && !(info.st_mode & S_ISVTX);
}

} // namespace palmora
