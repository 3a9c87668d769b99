#pragma once

#include "common/outcome.h"
#include "record/finishedtest.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <chrono>

namespace palmora {

// The results of the user's last tests, kept in one file of their own: a JSON
// object marked with the file's kind and version, the results oldest first.
// A file of the first version, which kept no questions, is read as it is and
// written anew in this version when the next result is added.
//
// The file is replaced whole or not at all, made readable by its owner only,
// and holds the last kMaxResults results. Copies of the program that add a
// result at the same time take turns through a lock beside the file, each
// adding to what the other wrote. A file that cannot be used (damaged, naming a
// key twice, of another kind or version, too large, no ordinary file, or one
// FileTrust refuses) is never written over; setAside() moves it out of the way
// on request.
class ResultHistory {
    Q_DECLARE_TR_FUNCTIONS(ResultHistory)
public:
    static constexpr int kMaxResults = 100;
    // A hundred results with their questions take under 40 KiB; anything much
    // larger is no file of ours.
    static constexpr qint64 kMaxFileBytes = qint64 {128} * 1024;
    // How long adding a result waits for another copy that is adding one.
    static constexpr std::chrono::milliseconds kLockWait {3000};

    explicit ResultHistory(const QString &filePath);
    // "results.json" in the user's data folder.
    static QString defaultFilePath();
    const QString &filePath() const { return m_filePath; }

    struct Result : Outcome {
        // Oldest first.
        QList<FinishedTest> results;
        // The file is there but cannot be used; it has been left as it is.
        bool fileUnusable = false;
        // Where setAside() moved the file.
        QString setAsidePath;
    };

    // The results the file holds; none, and ok, when there is no file yet.
    Result read() const;
    // Adds a result to what the file holds now and writes the last kMaxResults
    // back. On failure the file is as it was.
    Result append(const FinishedTest &test) const;
    // Why no result can be kept beside the file, whatever becomes of it: the
    // folder is one other users can change. Empty when results can be kept.
    QString whyFolderUnusable() const;
    // Renames the file to a name beside it that is not taken yet, so that the
    // next result starts a new one. Nothing is deleted or written over.
    Result setAside() const;

private:
    QString m_filePath;
};

} // namespace palmora
