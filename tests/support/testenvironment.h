#pragma once

#include "common/environment.h"

#include <QDate>
#include <QTemporaryDir>

#include <deque>
#include <memory>

namespace palmora::testing {

// An Environment for tests: goal files in a fresh temporary folder, a pinned
// date, a real generator unless one is given, a private lock file.
struct TestEnvironment {
    TestEnvironment();

    QTemporaryDir folder;
    QDate today {2026, 12, 7};
    Environment env;
};

} // namespace palmora::testing
