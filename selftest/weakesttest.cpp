#include "selftest/weakesttest.h"

#include "record/weakesttopics.h"
#include "selftest/missedtest.h"

namespace palmora {

TestSheet composeWeakestTest(TestMode mode, const TopicRecords &records, RandomSource &random)
{
    // Asked like a repeat of missed topics: each once, in a fresh order.
    TestSheet sheet = composeMissedTest(mode, weakestTopics(records, mode, random), random);
    sheet.topicChoice = TopicChoice::Weakest;
    return sheet;
}

} // namespace palmora
