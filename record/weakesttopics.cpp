#include "record/weakesttopics.h"

#include "common/randomsource.h"
#include "record/topicrecords.h"

namespace palmora {

QList<TopicIndex> weakestTopics(const TopicRecords &records, TestMode mode, RandomSource &random)
{
    QList<TopicIndex> eligible;
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t) {
        if (isEligibleTopic(t))
            eligible.append(static_cast<TopicIndex>(t));
    }
    // Shuffled first, so that the stable sort leaves ties in a drawn order.
    QList<TopicIndex> topics;
    while (!eligible.isEmpty())
        topics.append(eligible.takeAt(drawBelow(static_cast<int>(eligible.size()), random)));
    records.sortWeakestFirst(topics, mode, TopicRecords::NeverAsked::First);
    return topics.first(kQuestionCount);
}

} // namespace palmora
