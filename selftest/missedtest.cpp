#include "selftest/missedtest.h"

#include "common/randomsource.h"
#include "selftest/testcomposer.h"

#include <algorithm>

namespace palmora {

QList<TopicIndex> missedTopics(const TestSheet &sheet, const TopicCatalogue &catalogue)
{
    QList<TopicIndex> missed;
    for (int i = 0; i < sheet.questionCount; ++i) {
        if (!sheet.isAnsweredRight(i, catalogue))
            missed.append(sheet.questionTopics[i]);
    }
    return missed;
}

TestSheet composeMissedTest(TestMode mode, const QList<TopicIndex> &topics, RandomSource &random)
{
    TestSheet sheet;
    sheet.mode = mode;
    sheet.topicChoice = TopicChoice::Missed;
    // The same order as last time would give the answers away by position.
    QList<TopicIndex> left = topics.first(std::min<qsizetype>(topics.size(), kQuestionCount));
    sheet.questionCount = static_cast<int>(left.size());
    for (int i = 0; i < sheet.questionCount; ++i) {
        sheet.questionTopics[i] = left.takeAt(drawBelow(static_cast<int>(left.size()), random));
    }
    return sheet;
}

} // namespace palmora
