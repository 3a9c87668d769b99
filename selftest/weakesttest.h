#pragma once

#include "selftest/testsheet.h"

namespace palmora {

class RandomSource;
class TopicRecords;

// A new sheet of the given kind that asks the weakest topics (weakestTopics()),
// each once, in an order drawn afresh.
TestSheet composeWeakestTest(TestMode mode, const TopicRecords &records, RandomSource &random);

} // namespace palmora
