#pragma once

#include "selftest/testsheet.h"

#include <QList>

namespace palmora {

class RandomSource;
class TopicRecords;

// The ten topics a test may ask that the learner has answered right least often
// in tests of `mode`: those never asked in that kind first, then the lowest share
// of right answers, and of two alike the one asked more often. Topics alike in
// all of that are drawn at random, so that the same few are not always taken.
QList<TopicIndex> weakestTopics(const TopicRecords &records, TestMode mode, RandomSource &random);

// A new sheet of the given kind that asks the weakest topics, each once, in an
// order drawn afresh.
TestSheet composeWeakestTest(TestMode mode, const TopicRecords &records, RandomSource &random);

} // namespace palmora
