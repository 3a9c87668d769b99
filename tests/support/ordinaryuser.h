#pragma once

#include <QStringList>

#include <sys/types.h>

namespace palmora::testing {

// Runs the rest of a scope as an ordinary user (nobody) when the suite runs as
// root, who writes through read-only permissions: the kernel then refuses what
// it would refuse the user. Root's ids are kept as the saved ones, so they come
// back when the object goes. The folders given are handed to that user first, so
// the scope can work in them. As any other user, nothing changes.
class OrdinaryUser {
public:
    explicit OrdinaryUser(const QStringList &folders);
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser &) = delete;
    OrdinaryUser &operator=(const OrdinaryUser &) = delete;

    // Whether the scope runs as an ordinary user: always, unless the switch
    // from root failed.
    bool isOrdinary() const;

    static constexpr uid_t kNobody = 65534;

private:
    bool m_switched = false;
};

} // namespace palmora::testing
