#include "common/randomsource.h"
#include "content/topiccatalogue.h"
#include "scriptedrandomsource.h"
#include "selftest/testcomposer.h"

#include <QSet>
#include <QTest>

using namespace palmora;
using palmora::testing::ScriptedRandomSource;

Q_DECLARE_METATYPE(QList<double>)

namespace {

// The value that a topic draw turns into t.
double topicValue(int t)
{
    return (t + 0.5) / 22.0;
}

QList<double> topicValues(std::initializer_list<int> topics)
{
    QList<double> values;
    for (const int t : topics)
        values.append(topicValue(t));
    return values;
}

} // namespace

class TstTestComposer : public QObject {
    Q_OBJECT

private slots:
    void drawTopicListRejects_data();
    void drawTopicListRejects();
    void correctPositionFromUniform_data();
    void correctPositionFromUniform();
    void optionTopicsPutTheQuestionAtItsPosition_data();
    void optionTopicsPutTheQuestionAtItsPosition();
    void ownTopicAmongDistractorsGivesTwoEqualTexts();
    void composeDrawsQuestionsThenDistractorsThenPosition();
    void realGeneratorOverManyTests();
};

void TstTestComposer::drawTopicListRejects_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("drawsUsed");

    QTest::newRow("nail shapes are drawn again")
        << 3 << topicValues({10, 11, 0, 12, 13, 9, 14}) << QList<int> {0, 9, 14} << 7;
    QTest::newRow("repeats are drawn again")
        << 4 << topicValues({5, 5, 21, 5, 21, 6, 7}) << QList<int> {5, 21, 6, 7} << 7;
    QTest::newRow("the top of the range is 21, never 22")
        << 2 << QList<double> {0.999999, 0.0} << QList<int> {21, 0} << 2;
    QTest::newRow("topic 0 is a topic like any other")
        << 2 << QList<double> {0.0, 0.0, topicValue(1)} << QList<int> {0, 1} << 3;
    QTest::newRow("ten questions from a long run of rejections")
        << 10 << topicValues({10, 0, 0, 1, 11, 2, 3, 12, 4, 4, 5, 13, 6, 7, 8, 10, 14, 21})
        << QList<int> {0, 1, 2, 3, 4, 5, 6, 7, 8, 14} << 17;
}

void TstTestComposer::drawTopicListRejects()
{
    QFETCH(int, count);
    QFETCH(QList<double>, script);
    QFETCH(QList<int>, expected);
    QFETCH(int, drawsUsed);

    ScriptedRandomSource random(script);
    const QList<TopicIndex> drawn = drawTopicList(count, random);
    QList<int> asInts;
    for (const TopicIndex t : drawn)
        asInts.append(t);
    QCOMPARE(asInts, expected);
    QCOMPARE(random.drawn(), drawsUsed);
}

void TstTestComposer::correctPositionFromUniform_data()
{
    QTest::addColumn<double>("u");
    QTest::addColumn<int>("position");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just below a quarter") << 0.2499 << 0;
    QTest::newRow("a quarter") << 0.25 << 1;
    QTest::newRow("a half") << 0.5 << 2;
    QTest::newRow("just below 1 is 3, not 4") << 0.999999 << 3;
    QTest::newRow("an out-of-range 1.0 stays on the board") << 1.0 << 3;
}

void TstTestComposer::correctPositionFromUniform()
{
    QFETCH(double, u);
    QFETCH(int, position);
    ScriptedRandomSource random({u});
    QCOMPARE(drawCorrectPosition(random), position);
}

void TstTestComposer::optionTopicsPutTheQuestionAtItsPosition_data()
{
    QTest::addColumn<int>("position");
    for (int k = 0; k < 4; ++k)
        QTest::addRow("position %d", k) << k;
}

void TstTestComposer::optionTopicsPutTheQuestionAtItsPosition()
{
    QFETCH(int, position);
    ScriptedRandomSource random(topicValues({1, 2, 3, 4, 5}));
    random.appendIndex(position, 4);
    const Question question = drawQuestion(17, random);
    QCOMPARE(question.correctPosition, position);

    const std::array<TopicIndex, kOptionCount> expectedDistractors {1, 2, 3, 4, 5};
    QCOMPARE(question.distractors, expectedDistractors);
    const std::array<TopicIndex, kOptionCount> options = question.optionTopics();
    for (int k = 0; k < kOptionCount; ++k)
        QCOMPARE(options[k], k == position ? TopicIndex(17) : expectedDistractors[k]);
}

void TstTestComposer::ownTopicAmongDistractorsGivesTwoEqualTexts()
{
    TopicCatalogue catalogue;
    // Question about topic 14; 14 also drawn as the distractor of position 4.
    ScriptedRandomSource random(topicValues({0, 1, 2, 3, 14}));
    random.appendIndex(1, 4);
    const Question question = drawQuestion(14, random);

    const std::array<TopicIndex, kOptionCount> options = question.optionTopics();
    QCOMPARE(options[1], TopicIndex(14));
    QCOMPARE(options[4], TopicIndex(14));
    for (const TestMode mode : {TestMode::ByName, TestMode::BySignificance, TestMode::ByLocationShape}) {
        const auto texts = question.optionTexts(catalogue, mode);
        QCOMPARE(texts[1], texts[4]);
        QCOMPARE(texts[1], topicText(catalogue, 14, mode));
        QVERIFY(texts[0] != texts[1]);
    }
}

void TstTestComposer::composeDrawsQuestionsThenDistractorsThenPosition()
{
    ScriptedRandomSource random(topicValues({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    const TestSheet sheet = composeTest(TestMode::BySignificance, random);
    QCOMPARE(random.drawn(), 10);
    QCOMPARE(sheet.mode, TestMode::BySignificance);
    QCOMPARE(sheet.currentQuestion, 0);
    for (int i = 0; i < kQuestionCount; ++i) {
        QCOMPARE(sheet.questionTopics[i], TopicIndex(i));
        QVERIFY(sheet.givenAnswers[i].isEmpty());
    }
}

void TstTestComposer::realGeneratorOverManyTests()
{
    GeneratorRandomSource random(4711u);
    constexpr int kTests = 3000;
    QList<int> asked(TopicCatalogue::kTopicCount, 0);
    QList<int> offered(TopicCatalogue::kTopicCount, 0);
    std::array<int, kOptionCount> rightAt {};

    for (int n = 0; n < kTests; ++n) {
        const TestSheet sheet = composeTest(TestMode::ByName, random);
        QSet<TopicIndex> distinct;
        for (const TopicIndex t : sheet.questionTopics) {
            QVERIFY2(isEligibleTopic(t), qPrintable(QString::number(t)));
            distinct.insert(t);
            ++asked[t];
        }
        QCOMPARE(distinct.size(), kQuestionCount);

        for (const TopicIndex topic : sheet.questionTopics) {
            const Question question = drawQuestion(topic, random);
            QSet<TopicIndex> distractors(question.distractors.begin(), question.distractors.end());
            QCOMPARE(distractors.size(), kOptionCount);
            QVERIFY(question.correctPosition >= 0 && question.correctPosition <= 3);
            ++rightAt[question.correctPosition];
            for (const TopicIndex t : question.optionTopics()) {
                QVERIFY2(isEligibleTopic(t), qPrintable(QString::number(t)));
                ++offered[t];
            }
        }
    }

    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t) {
        const bool eligible = (t <= 9) || (t >= 14 && t <= 21);
        QVERIFY2(eligible ? asked[t] > 0 : asked[t] == 0, qPrintable(QStringLiteral("asked %1").arg(t)));
        QVERIFY2(eligible ? offered[t] > 0 : offered[t] == 0,
                 qPrintable(QStringLiteral("offered %1").arg(t)));
    }
    QCOMPARE(rightAt[4], 0);
    // 30000 questions: each of the four positions expects 7500.
    for (int k = 0; k < 4; ++k)
        QVERIFY2(rightAt[k] > 7000 && rightAt[k] < 8000, qPrintable(QString::number(rightAt[k])));
}

QTEST_GUILESS_MAIN(TstTestComposer)
#include "tst_testcomposer.moc"
