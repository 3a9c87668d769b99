#pragma once

#include <csignal>
#include <sys/resource.h>

namespace palmora::testing {

// Makes every write past `bytes` fail with EFBIG for the lifetime of the object,
// as a full disk would. Unlike file permissions it also holds for root, so the
// failure paths of saving are tested wherever the suite runs.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_active = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        if (m_active) {
            rlimit limited = m_old;
            limited.rlim_cur = bytes;
            m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
        }
    }
    ~FileSizeLimit()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isActive() const { return m_active; }

private:
    rlimit m_old {};
    bool m_active = false;
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace palmora::testing
