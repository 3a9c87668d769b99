#pragma once

#include "record/finishedtest.h"

#include <QList>

namespace palmora {

class RandomSource;
class TopicRecords;

// The ten topics a test may ask that the learner has answered right least often
// in tests of `mode`: those never asked in that kind first, then the lowest share
// of right answers, and of two alike the one asked more often. Topics alike in
// all of that are drawn at random, so that the same few are not always taken.
QList<TopicIndex> weakestTopics(const TopicRecords &records, TestMode mode, RandomSource &random);

} // namespace palmora
