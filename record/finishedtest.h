#pragma once

#include "content/topiccatalogue.h"

#include <QDateTime>
#include <QList>

#include <algorithm>

namespace palmora {

// Which catalogue column a test's answer options come from.
enum class TestMode { ByName, BySignificance, ByLocationShape };

// How a test's topics were chosen: drawn at random, the topics the last test
// missed, or the ones the learner has answered right least often. Only a drawn
// test shows how the learner is getting on; the others ask what went wrong.
enum class TopicChoice { Drawn, Missed, Weakest };

inline constexpr int kQuestionCount = 10;

// Hand and finger shapes (0 to 9) and the lines (14 to 21). Nail shapes and the
// Girdle of Venus are never asked and never offered.
constexpr bool isEligibleTopic(int t)
{
    return (t >= 0 && t <= 9) || (t >= 14 && t <= 21);
}

// One question of a finished test: its topic, and whether it was answered right.
struct AskedTopic {
    TopicIndex topic = 0;
    bool right = false;

    friend bool operator==(const AskedTopic &, const AskedTopic &) = default;
};

// One test as the results over time keep it.
struct FinishedTest {
    QDateTime finished;
    TestMode mode = TestMode::ByName;
    TopicChoice topicChoice = TopicChoice::Drawn;
    int score = 0;
    int questionCount = kQuestionCount;
    // Its questions in the order asked; none for a test kept before Palmora
    // kept its questions.
    QList<AskedTopic> asked;

    friend bool operator==(const FinishedTest &, const FinishedTest &) = default;
};

// The charts show the last this many tests.
inline constexpr int kChartedTests = 20;

// The last kChartedTests of `results`, oldest first.
inline QList<FinishedTest> chartedTests(const QList<FinishedTest> &results)
{
    return results.mid(std::max<qsizetype>(0, results.size() - kChartedTests));
}

} // namespace palmora
