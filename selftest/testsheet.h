#pragma once

#include "record/finishedtest.h"

#include <QString>

#include <array>

namespace palmora {

inline constexpr int kOptionCount = 5;

// The test being taken: fixed at composition, filled by the answers and emptied
// again once its report has been written.
struct TestSheet {
    std::array<TopicIndex, kQuestionCount> questionTopics {};
    // The text of the option chosen for each question, exactly as it was shown.
    std::array<QString, kQuestionCount> givenAnswers {};
    int currentQuestion = 0;
    TestMode mode = TestMode::ByName;
    // How many of the entries above the test asks: all of them, or in a test
    // of the topics missed last time, one for each of those.
    int questionCount = kQuestionCount;
    TopicChoice topicChoice = TopicChoice::Drawn;

    void clear();
    bool isFinished() const { return currentQuestion >= questionCount; }
    // Whether question i was answered with the right text of its topic.
    bool isAnsweredRight(int i, const TopicCatalogue &catalogue) const;
};

// The text of topic t in the column that the mode asks about.
QString topicText(const TopicCatalogue &catalogue, int t, TestMode mode);

} // namespace palmora
