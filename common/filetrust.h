#pragma once

#include <QByteArrayList>
#include <QCoreApplication>
#include <QFileInfoList>
#include <QString>

namespace palmora {

// Whether the program may rely on a file or folder being the user's: nothing
// is loaded from, read from or written to a place another user can change.
class FileTrust {
    Q_DECLARE_TR_FUNCTIONS(FileTrust)
public:
    // Why the file at `path` cannot be trusted; empty when it can. It can be when
    // it is a regular file, and it and every folder above it belong to the user
    // or to root and nobody else can write them. A folder marked sticky (such as
    // /tmp) is crossed: nobody else may remove or replace what is kept in it.
    // Links are followed first, so the file judged is the file that is opened.
    static QString whyUntrusted(const QString &path);
    // The same for a folder: it and every folder above it.
    static QString whyFolderUntrusted(const QString &folder);

    // Makes a missing folder, the user's alone from the start whatever the
    // umask, with its missing parents as usual. Another copy may make it at the
    // same moment. Whether it is a folder afterwards.
    static bool makePrivateFolder(const QString &folder);

    // Whether a folder belongs to the user, or also to root when rootToo is set,
    // and nobody else can write it. A folder marked sticky is no such folder:
    // everybody may add files to it.
    static bool isPrivateFolder(const QString &folder, bool rootToo = false);

    // Whether a group is the user's own, as a login that gives each user a
    // group of their own makes it (and then a umask of 002): the user's primary
    // group, named after the user, listing no other member. Its write bit lets
    // nobody else write; any other group's does.
    static bool isUsersOwnGroup(unsigned groupId);
    static bool isOwnGroup(const QByteArray &userName, unsigned primaryGroupId, unsigned groupId,
                           const QByteArray &groupName, const QByteArrayList &members);

    // Whether the mode and group of something the user or root owns let another
    // user write it.
    static bool isWritableByOthers(unsigned mode, unsigned groupId);

    // The user's own regular files beside `path` named after it with a dot and
    // six random letters or digits added, and then `suffix`: the scratch names
    // of writers that were killed before they could rename or remove them.
    // Six letters in lower case alone are more likely a name a person chose,
    // and are never listed; nor are links.
    static QFileInfoList scratchLeftovers(const QString &path, const QString &suffix = {});

private:
    static QString whyUntrustedPath(const QString &path, bool isFile);
};

} // namespace palmora
