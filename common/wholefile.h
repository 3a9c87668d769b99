#pragma once

#include "common/outcome.h"

#include <QByteArray>
#include <QString>

namespace palmora {

// Reading and writing a file whole. None of these judges the path: callers
// ask FileTrust first, at the moment of use.

// Writes `bytes` to `path` whole or not at all, through QSaveFile: the new
// content is complete on disk before it takes the file's place, so a full disk
// or a killed process leaves the old file as it was and nothing beside it. A
// link at the path is written through, and stays. A file replaced keeps its
// permissions, and one the user may not write is left alone; a new file is the
// user's alone.
[[nodiscard]] Outcome writeFileWhole(const QString &path, const QByteArray &bytes);

// Makes a new file at `path` holding `bytes`, and never replaces anything:
// when something is at the path already, even a link that leads nowhere, it
// stays as it is and the making fails. The file made is the user's alone,
// and when it cannot be written whole (a full disk) it is removed again.
[[nodiscard]] Outcome createFileWhole(const QString &path, const QByteArray &bytes);

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
// more than `maxBytes`. A folder, FIFO or device is refused without opening
// it (only the user can put one at a path FileTrust passed), and whatever a
// file has grown to, no more than `maxBytes` + 1 are read.
[[nodiscard]] WholeFileRead readFileWhole(const QString &path, qint64 maxBytes);

// The system's words for an errno value.
QString systemErrorText(int error);

} // namespace palmora
