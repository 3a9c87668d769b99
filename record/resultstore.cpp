#include "record/resultstore.h"

namespace palmora {

ResultStore::ResultStore(const QString &filePath)
    : m_history(filePath)
{
}

const ResultHistory::Result &ResultStore::results()
{
    if (!m_read)
        m_read = m_history.read();
    return *m_read;
}

ResultHistory::Result ResultStore::append(const FinishedTest &test)
{
    ResultHistory::Result added = m_history.append(test);
    if (added.ok || added.fileUnusable)
        m_read = added;
    return added;
}

ResultHistory::Result ResultStore::setAside()
{
    ResultHistory::Result setAside = m_history.setAside();
    if (setAside.ok)
        m_read = ResultHistory::Result {Outcome::done(), {}, false, {}};
    return setAside;
}

} // namespace palmora
