#pragma once

#include "selftest/testsheet.h"

#include <QList>

#include <array>

namespace palmora {

class RandomSource;

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
