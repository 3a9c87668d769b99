#pragma once

#include "selftest/testsheet.h"

#include <QList>

namespace palmora {

class RandomSource;

// The topics of a finished sheet whose answer was not the right text, in the
// order they were asked.
QList<TopicIndex> missedTopics(const TestSheet &sheet, const TopicCatalogue &catalogue);

// A new sheet of the given kind that asks each of `topics` once, in an order
// drawn afresh, and nothing else: one question per topic, up to ten. No
// answers yet, question 0 current.
TestSheet composeMissedTest(TestMode mode, const QList<TopicIndex> &topics, RandomSource &random);

} // namespace palmora
