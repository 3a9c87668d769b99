#include "content/topiccatalogue.h"
#include "scriptedrandomsource.h"
#include "selftest/missedtest.h"
#include "selftest/testreport.h"

#include <QTest>

using namespace palmora;
using palmora::testing::ScriptedRandomSource;

Q_DECLARE_METATYPE(QList<TopicIndex>)
Q_DECLARE_METATYPE(palmora::TopicChoice)

// A test of the topics missed last time: in what order it asks them, and how
// its report says what it was. Which topics it asks is the end-to-end test's.
class TstMissedTest : public QObject {
    Q_OBJECT

private slots:
    void repeatAsksEachMissedTopicOnce_data();
    void repeatAsksEachMissedTopicOnce();
    void reportSaysWhatItWas_data();
    void reportSaysWhatItWas();

private:
    TopicCatalogue m_catalogue;
};

void TstMissedTest::repeatAsksEachMissedTopicOnce_data()
{
    QTest::addColumn<QList<TopicIndex>>("missed");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QList<TopicIndex>>("asked");
    // Each draw picks one of the topics not yet placed, in their order.
    QTest::newRow("first each time") << QList<TopicIndex> {3, 15, 7} << QList<double> {0.0, 0.0, 0.0}
                                     << QList<TopicIndex> {3, 15, 7};
    QTest::newRow("last each time") << QList<TopicIndex> {3, 15, 7} << QList<double> {0.99, 0.99, 0.99}
                                    << QList<TopicIndex> {7, 15, 3};
    QTest::newRow("a draw of 1.0 stays in range")
        << QList<TopicIndex> {3, 15} << QList<double> {1.0, 0.5} << QList<TopicIndex> {15, 3};
    QTest::newRow("one topic") << QList<TopicIndex> {21} << QList<double> {0.7} << QList<TopicIndex> {21};
    QTest::newRow("all ten") << QList<TopicIndex> {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}
                             << QList<double> {0.95, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}
                             << QList<TopicIndex> {9, 0, 1, 2, 3, 4, 5, 6, 7, 8};
}

void TstMissedTest::repeatAsksEachMissedTopicOnce()
{
    QFETCH(QList<TopicIndex>, missed);
    QFETCH(QList<double>, draws);
    QFETCH(QList<TopicIndex>, asked);
    ScriptedRandomSource random(draws);
    const TestSheet sheet = composeMissedTest(TestMode::BySignificance, missed, random);
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(sheet.topicChoice, TopicChoice::Missed);
    QCOMPARE(sheet.mode, TestMode::BySignificance);
    QCOMPARE(sheet.questionCount, int(asked.size()));
    QCOMPARE(sheet.currentQuestion, 0);
    QCOMPARE(
        QList<TopicIndex>(sheet.questionTopics.begin(), sheet.questionTopics.begin() + sheet.questionCount),
        asked);
    for (const QString &answer : sheet.givenAnswers)
        QVERIFY(answer.isEmpty());
    QVERIFY(!sheet.isFinished());
}

void TstMissedTest::reportSaysWhatItWas_data()
{
    QTest::addColumn<QList<TopicIndex>>("topics");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("scoreLine");
    QTest::addColumn<TopicChoice>("choice");
    QTest::addColumn<QString>("firstLine");
    const QString missed = QStringLiteral("A test of the topics you missed in your last test");
    QTest::newRow("three, two right")
        << QList<TopicIndex> {14, 2, 19} << 2 << QStringLiteral("2 Correct out of 3 Questions")
        << TopicChoice::Missed << missed;
    QTest::newRow("one, right") << QList<TopicIndex> {5} << 1 << QStringLiteral("1 Correct out of 1 Question")
                                << TopicChoice::Missed << missed;
    QTest::newRow("ten, none right") << QList<TopicIndex> {0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 0
                                     << QStringLiteral("0 Correct out of 10 Questions") << TopicChoice::Missed
                                     << missed;
    QTest::newRow("the ten weakest, four right")
        << QList<TopicIndex> {16, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 4
        << QStringLiteral("4 Correct out of 10 Questions") << TopicChoice::Weakest
        << QStringLiteral("A test of the topics you have answered right least often");
}

void TstMissedTest::reportSaysWhatItWas()
{
    QFETCH(QList<TopicIndex>, topics);
    QFETCH(int, right);
    QFETCH(QString, scoreLine);
    QFETCH(TopicChoice, choice);
    QFETCH(QString, firstLine);
    ScriptedRandomSource inOrder;
    TestSheet sheet = composeMissedTest(TestMode::ByName, topics, inOrder);
    sheet.topicChoice = choice;
    QString blocks;
    for (int i = 0; i < sheet.questionCount; ++i) {
        const QString name = m_catalogue.topicName(topics[i]);
        sheet.givenAnswers[i] = i < right ? name : QStringLiteral("Girdle of nothing");
        blocks += name + "\nYour Answer:\n" + sheet.givenAnswers[i] + "\nCorrect Choice: \n" + name + "\n\n";
    }
    const TestReport report = composeTestReport(sheet, m_catalogue);
    QCOMPARE(report.text, firstLine + "\n\n" + blocks + scoreLine);
    QCOMPARE(report.score, right);
    // One bold name per question, where the name stands.
    QCOMPARE(report.boldRanges.size(), topics.size());
    for (int i = 0; i < sheet.questionCount; ++i) {
        const TestReport::Range range = report.boldRanges.at(i);
        QCOMPARE(report.text.mid(range.start, range.length), m_catalogue.topicName(topics[i]));
    }
}

QTEST_GUILESS_MAIN(TstMissedTest)
#include "tst_missedtest.moc"
