#pragma once

#include "record/resulthistory.h"

#include <optional>

namespace palmora {

// The kept results as the pages that show them share them: read from their
// file the first time they are needed, never before, and kept up to date as
// results are added.
class ResultStore {
public:
    explicit ResultStore(const QString &filePath);

    const QString &filePath() const { return m_history.filePath(); }
    QString whyFolderUnusable() const { return m_history.whyFolderUnusable(); }

    // What the file held when first asked, or after the last result added.
    const ResultHistory::Result &results();
    // Adds a result to the file; the results are then the file's.
    ResultHistory::Result append(const FinishedTest &test);
    // Sets the file aside; the results start anew.
    ResultHistory::Result setAside();

private:
    ResultHistory m_history;
    std::optional<ResultHistory::Result> m_read;
};

} // namespace palmora
