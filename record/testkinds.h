#pragma once

#include "record/finishedtest.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <optional>

namespace palmora {

// The kinds of test, in the order they are offered: the key a file of results
// keeps for each kind and each choice of topics, and the name the user reads.
class TestKinds {
    Q_DECLARE_TR_FUNCTIONS(TestKinds)
public:
    static constexpr std::array<TestMode, 3> kAll {TestMode::ByName, TestMode::BySignificance,
                                                   TestMode::ByLocationShape};

    // The key kept in a file of results, the same in every language.
    static QString key(TestMode mode);
    static QString key(TopicChoice choice);
    // The kind (or choice of topics) kept under `key`; none when none is.
    template<typename Kind> static std::optional<Kind> fromKey(const QString &key);
    // "by name", or for a test of chosen topics "missed topics by name" or
    // "weakest topics by name".
    static QString shownName(TestMode mode, TopicChoice choice);
};

} // namespace palmora
