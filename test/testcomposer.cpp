#include "test/testcomposer.h"

#include "test/randomsource.h"

#include <cmath>

namespace palmora {

namespace {

// floor(n * u) for u in [0, 1); clamped so that a source returning 1.0 by
// mistake can never index past the end.
int draw_below(int n, RandomSource &random)
{
    const int k = static_cast<int>(std::floor(n * random.uniform()));
    return k < 0 ? 0 : (k >= n ? n - 1 : k);
}

// Index 22 is never drawn: only 0 to 21 are candidates.
constexpr int kTopicDrawRange = 22;
constexpr int kPositionDrawRange = 4;

} // namespace

QList<TopicIndex> draw_topic_list(int count, RandomSource &random)
{
    QList<TopicIndex> list;
    list.reserve(count);
    while (list.size() < count) {
        const auto t = static_cast<TopicIndex>(draw_below(kTopicDrawRange, random));
        if (is_eligible_topic(t) && !list.contains(t))
            list.append(t);
    }
    return list;
}

int draw_correct_position(RandomSource &random)
{
    return draw_below(kPositionDrawRange, random);
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
        texts[k] = topic_text(catalogue, topics[k], mode);
    return texts;
}

Question draw_question(TopicIndex topic, RandomSource &random)
{
    Question question;
    question.topic = topic;
    const QList<TopicIndex> distractors = draw_topic_list(kOptionCount, random);
    for (int k = 0; k < kOptionCount; ++k)
        question.distractors[k] = distractors[k];
    question.correctPosition = draw_correct_position(random);
    return question;
}

TestSheet compose_test(TestMode mode, RandomSource &random)
{
    TestSheet sheet;
    sheet.mode = mode;
    const QList<TopicIndex> topics = draw_topic_list(kQuestionCount, random);
    for (int i = 0; i < kQuestionCount; ++i)
        sheet.questionTopics[i] = topics[i];
    return sheet;
}

} // namespace palmora
