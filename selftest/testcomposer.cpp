#include "selftest/testcomposer.h"

#include "common/randomsource.h"

#include <algorithm>

namespace palmora {

namespace {

// Index 22 is never drawn: only 0 to 21 are candidates.
constexpr int kTopicDrawRange = 22;
constexpr int kPositionDrawRange = 4;

} // namespace

QList<TopicIndex> drawTopicList(int count, RandomSource &random)
{
    QList<TopicIndex> list;
    list.reserve(count);
    while (list.size() < count) {
        const auto t = static_cast<TopicIndex>(drawBelow(kTopicDrawRange, random));
        if (isEligibleTopic(t) && !list.contains(t))
            list.append(t);
    }
    return list;
}

int drawCorrectPosition(RandomSource &random)
{
    return drawBelow(kPositionDrawRange, random);
}

std::array<TopicIndex, kOptionCount> Question::optionTopics() const
{
    std::array<TopicIndex, kOptionCount> topics = distractors;
    topics[correctPosition] = topic;
    return topics;
}

std::array<QString, kOptionCount> Question::optionTexts(const TopicCatalogue &catalogue, TestMode mode) const
{
    const std::array<TopicIndex, kOptionCount> topics = optionTopics();
    std::array<QString, kOptionCount> texts;
    for (int k = 0; k < kOptionCount; ++k)
        texts[k] = topicText(catalogue, topics[k], mode);
    return texts;
}

Question drawQuestion(TopicIndex topic, RandomSource &random)
{
    Question question;
    question.topic = topic;
    const QList<TopicIndex> distractors = drawTopicList(kOptionCount, random);
    std::copy_n(distractors.cbegin(), kOptionCount, question.distractors.begin());
    question.correctPosition = drawCorrectPosition(random);
    return question;
}

TestSheet composeTest(TestMode mode, RandomSource &random)
{
    TestSheet sheet;
    sheet.mode = mode;
    const QList<TopicIndex> topics = drawTopicList(kQuestionCount, random);
    std::copy_n(topics.cbegin(), kQuestionCount, sheet.questionTopics.begin());
    return sheet;
}

} // namespace palmora
