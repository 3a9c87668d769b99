#include "hangbreaker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace palmora::testing {

namespace {

void unblockFifo(const QByteArray &name)
{
    // A reader end first, so that opening the writer end cannot fail.
    const int reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writer >= 0)
        ::close(writer);
    if (reader >= 0)
        ::close(reader);
}

} // namespace

HangBreaker::HangBreaker(QStringList paths, std::chrono::milliseconds grace)
    : m_paths(std::move(paths))
    , m_thread([this, grace] { run(grace); })
{
}

HangBreaker::~HangBreaker()
{
    {
        const std::lock_guard<std::mutex> guard(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void HangBreaker::run(std::chrono::milliseconds grace)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_wake.wait_for(lock, grace, [this] { return m_stop; }))
        return;
    m_fired = true;
    do {
        for (const QString &path : std::as_const(m_paths)) {
            const QFileInfo info(path);
            if (!info.isFile() && !info.isDir() && info.exists())
                unblockFifo(QFile::encodeName(path));
            if (info.isDir())
                QDir(path).removeRecursively();
            else
                QFile::remove(path);
        }
    } while (!m_wake.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_stop; }));
}

} // namespace palmora::testing
