#include "selftest/testkinds.h"

namespace palmora {

QString TestKinds::key(TestMode mode)
{
    switch (mode) {
    case TestMode::ByName:
        return QStringLiteral("name");
    case TestMode::BySignificance:
        return QStringLiteral("significance");
    case TestMode::ByLocationShape:
        return QStringLiteral("location-shape");
    }
    return {};
}

std::optional<TestMode> TestKinds::fromKey(const QString &key)
{
    for (const TestMode mode : kAll) {
        if (TestKinds::key(mode) == key)
            return mode;
    }
    return std::nullopt;
}

QString TestKinds::shownName(TestMode mode, bool missedTopicsOnly)
{
    switch (mode) {
    case TestMode::ByName:
        return missedTopicsOnly ? tr("missed topics by name") : tr("by name");
    case TestMode::BySignificance:
        return missedTopicsOnly ? tr("missed topics by significance") : tr("by significance");
    case TestMode::ByLocationShape:
        return missedTopicsOnly ? tr("missed topics by location / shape") : tr("by location / shape");
    }
    return {};
}

} // namespace palmora
