#pragma once

#include "selftest/testsheet.h"

#include <QList>

#include <array>

namespace palmora {

class RandomSource;

// Hand and finger shapes (0 to 9) and the lines (14 to 21). Nail shapes and the
// Girdle of Venus are never asked and never offered.
constexpr bool isEligibleTopic(int t)
{
    return (t >= 0 && t <= 9) || (t >= 14 && t <= 21);
}

// A whole number in [0, n), floor(n * u) for the source's next u in [0, 1);
// clamped so that a source returning 1.0 by mistake never indexes past the end.
int drawBelow(int n, RandomSource &random);

// `count` pairwise distinct eligible topics. A candidate that is not eligible or
// already in the list is drawn again for the same slot.
QList<TopicIndex> drawTopicList(int count, RandomSource &random);

// The option position of the right answer: 0 to 3, never the fifth option.
int drawCorrectPosition(RandomSource &random);

// One question on screen: its topic, the five distractors drawn for it and where
// the right answer stands.
struct Question {
    TopicIndex topic = 0;
    std::array<TopicIndex, kOptionCount> distractors {};
    int correctPosition = 0;

    // The topic behind each option: the question's own at correctPosition, the
    // distractor of the same position elsewhere.
    std::array<TopicIndex, kOptionCount> optionTopics() const;
    std::array<QString, kOptionCount> optionTexts(const TopicCatalogue &catalogue, TestMode mode) const;
};

// Fresh distractors and a fresh position for question `topic`.
Question drawQuestion(TopicIndex topic, RandomSource &random);

// A new sheet of the given kind: ten distinct eligible topics, no answers yet,
// question 0 current.
TestSheet composeTest(TestMode mode, RandomSource &random);

} // namespace palmora
