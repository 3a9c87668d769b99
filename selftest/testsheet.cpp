#include "selftest/testsheet.h"

namespace palmora {

void TestSheet::clear()
{
    questionTopics.fill(0);
    for (QString &answer : givenAnswers)
        answer.clear();
    currentQuestion = 0;
    questionCount = kQuestionCount;
    topicChoice = TopicChoice::Drawn;
}

bool TestSheet::isAnsweredRight(int i, const TopicCatalogue &catalogue) const
{
    return givenAnswers[i] == topicText(catalogue, questionTopics[i], mode);
}

QString topicText(const TopicCatalogue &catalogue, int t, TestMode mode)
{
    switch (mode) {
    case TestMode::ByName:
        return catalogue.topicName(t);
    case TestMode::BySignificance:
        return catalogue.significance(t);
    case TestMode::ByLocationShape:
        return catalogue.shapeLocation(t);
    }
    return {};
}

} // namespace palmora
