#pragma once

#include <QByteArrayList>
#include <QCoreApplication>
#include <QString>

namespace palmora {

// Whether the program may rely on a file or folder being the user's: nothing
// is read, written, locked or loaded where another user can change any part of
// the path. A path is judged part by part as it is written, not resolved first:
// every folder from / on must belong to the user or root and be closed to other
// users (the user's own group aside), or be sticky like /tmp, where what it
// holds must be the user's or root's; a link is judged the same way, itself
// and then every part of where it leads. Once a path passes, nobody else can
// change what it reaches, and Qt's own file classes may use it. Judge it again
// at every use: what passed at start-up may not pass later.
class FileTrust {
    Q_DECLARE_TR_FUNCTIONS(FileTrust)
public:
    enum class Expect { File, Folder };

    struct Verdict {
        // Why the path may not be used; empty when it may.
        QString why;
        // The path with every link on it followed.
        QString end;
        // Something is at the end of the path.
        bool exists = false;
        // What stands in the way, or the file at the end, belongs to another
        // account (root's included) and the user may not read it: it is none
        // of the user's, rather than the user's and broken.
        bool othersOnly = false;
    };

    // Judges `path`. When `mayBeMissing`, nothing at its last parts (a link
    // that leads nowhere included) is no fault: the folders that would hold
    // them are judged instead.
    static Verdict judge(const QString &path, Expect expect, bool mayBeMissing);
    // Why the folder, which must exist, may not be used; empty when it may.
    static QString whyFolderUntrusted(const QString &folder);

    // Makes a missing folder, the user's alone from the start whatever the
    // umask, with its missing parents as usual. Another copy may make it at the
    // same moment. Whether it is a folder afterwards.
    static bool makePrivateFolder(const QString &folder);

    // Whether a folder passes the judge and belongs to the user (or also to
    // root when rootToo is set), and is no sticky folder, where everybody may
    // add files.
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
};

} // namespace palmora
