#pragma once

#include <QStringList>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace palmora::testing {

// Frees a call that would wait for ever on a file, so that a test fails instead
// of hanging: once the grace period is over it opens both ends of each FIFO
// (releasing whoever waits to open it) and then removes each path given, again
// and again until it is destroyed.
class HangBreaker {
public:
    HangBreaker(QStringList paths, std::chrono::milliseconds grace);
    ~HangBreaker();
    HangBreaker(const HangBreaker &) = delete;
    HangBreaker &operator=(const HangBreaker &) = delete;

    // True once the grace period ran out while the breaker was still armed.
    bool fired() const { return m_fired; }

private:
    void run(std::chrono::milliseconds grace);

    QStringList m_paths;
    std::atomic<bool> m_fired {false};
    bool m_stop = false;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_thread;
};

} // namespace palmora::testing
