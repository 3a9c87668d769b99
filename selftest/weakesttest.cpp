#include "selftest/weakesttest.h"

#include "selftest/missedtest.h"
#include "selftest/testcomposer.h"
#include "selftest/topicrecords.h"

#include <algorithm>

namespace palmora {

QList<TopicIndex> weakestTopics(const TopicRecords &records, TestMode mode, RandomSource &random)
{
    QList<TopicIndex> eligible;
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t) {
        if (isEligibleTopic(t))
            eligible.append(static_cast<TopicIndex>(t));
    }
    // Shuffled first, so that the stable sort below leaves ties in a drawn order.
    QList<TopicIndex> topics;
    while (!eligible.isEmpty())
        topics.append(eligible.takeAt(drawBelow(static_cast<int>(eligible.size()), random)));
    std::stable_sort(topics.begin(), topics.end(), [&](TopicIndex a, TopicIndex b) {
        const TopicRecord first = records.of(a, mode);
        const TopicRecord second = records.of(b, mode);
        if ((first.asked == 0) != (second.asked == 0))
            return first.asked == 0;
        return first.asked != 0 && first.isWeakerThan(second);
    });
    return topics.first(kQuestionCount);
}

TestSheet composeWeakestTest(TestMode mode, const TopicRecords &records, RandomSource &random)
{
    // Asked like a repeat of missed topics: each once, in a fresh order.
    TestSheet sheet = composeMissedTest(mode, weakestTopics(records, mode, random), random);
    sheet.topicChoice = TopicChoice::Weakest;
    return sheet;
}

} // namespace palmora
