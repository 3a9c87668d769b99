#pragma once

#include <QByteArray>
#include <QString>

namespace palmora {

// What becomes of the permissions of a file that is replaced.
enum class WholeFileMode { KeepPermissions, OwnerOnly };

// Writes `bytes` to `path` whole or not at all: into a new file beside it, which
// then takes its name, so a full disk or a killed process never leaves half a
// file behind. The name is taken over by a rename, which never follows a link:
// whatever appears at the path meanwhile is replaced, not written through. A
// file replaced keeps its permissions unless OwnerOnly is asked for, and one
// the user may not write is left alone; a new file is the user's alone.
// The new file's name is the file's, cut short if need be, with a dot and
// six letters or digits added, as FileTrust::scratchLeftovers() knows them;
// those a killed writer left are cleared by the next write.
// Returns the system's reason when the file could not be written, nothing
// when it was.
[[nodiscard]] QString writeFileWhole(const QString &path, const QByteArray &bytes,
                                     WholeFileMode permissions = WholeFileMode::KeepPermissions);

// The same, into the folder open at `folderFd` under `name`, a name without a
// slash: whatever the folder's path leads to meanwhile, the file goes into the
// folder the caller opened and checked. `folderFd` may be opened with O_PATH.
[[nodiscard]] QString writeFileWholeAt(int folderFd, const QByteArray &name, const QByteArray &bytes,
                                       WholeFileMode permissions = WholeFileMode::KeepPermissions);

// Makes a new file at `path` holding `bytes`, whole or not at all, and never
// replaces anything: when something is at the path already, even a link that
// leads nowhere, it stays as it is and the system's "File exists" is returned.
// The file made is the user's alone.
[[nodiscard]] QString createFileWhole(const QString &path, const QByteArray &bytes);

// What readFileWhole() found.
struct WholeFileRead {
    QByteArray bytes;
    // Why it could not be read, in a sentence for the user; empty when it was.
    QString error;
    // It holds more than was asked for; `error` says so in general words.
    bool tooLarge = false;
};

// Why what stands at a path, a folder or something else that is no regular
// file, cannot be used as a file: one sentence for the user.
QString whyNotAFile(bool isFolder);

// The bytes of the regular file at `path`, links followed, when it holds no
// more than `maxBytes`. A folder, FIFO or device is refused without waiting on
// it, and whatever a file has grown to, no more than `maxBytes` + 1 are read.
[[nodiscard]] WholeFileRead readFileWhole(const QString &path, qint64 maxBytes);

// The file a chain of links at `path` ends at, whether or not it exists; `path`
// itself, made absolute, when it is no link.
QString linkEnd(const QString &path);

// The system's words for an errno value.
QString systemErrorText(int error);

} // namespace palmora
