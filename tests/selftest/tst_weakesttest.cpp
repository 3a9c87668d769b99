#include "common/randomsource.h"
#include "record/topicrecords.h"
#include "record/weakesttopics.h"
#include "selftest/testcomposer.h"
#include "selftest/weakesttest.h"

#include <QTest>

using namespace palmora;

Q_DECLARE_METATYPE(QList<TopicIndex>)
Q_DECLARE_METATYPE(QList<palmora::FinishedTest>)

namespace {

// A kept test of `mode` that asked `topics`, those in `right` answered right.
FinishedTest kept(TestMode mode, const QList<TopicIndex> &topics, const QList<TopicIndex> &right)
{
    FinishedTest test;
    test.mode = mode;
    test.questionCount = static_cast<int>(topics.size());
    for (const TopicIndex topic : topics) {
        test.asked.append({topic, right.contains(topic)});
        test.score += right.contains(topic) ? 1 : 0;
    }
    return test;
}

const QList<TopicIndex> kFirstTen {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
const QList<TopicIndex> kLines {14, 15, 16, 17, 18, 19, 20, 21};

} // namespace

// Which topics a test of the weakest topics asks, and the record line the
// topic browser shows.
class TstWeakestTest : public QObject {
    Q_OBJECT

private slots:
    void choosesTheWeakestOfTheKind_data();
    void choosesTheWeakestOfTheKind();
    void recordLineCountsEveryKind();
};

void TstWeakestTest::choosesTheWeakestOfTheKind_data()
{
    QTest::addColumn<QList<FinishedTest>>("results");
    // Topics the ten must hold; the rest are any a test may ask.
    QTest::addColumn<QList<TopicIndex>>("certain");

    QTest::newRow("no results: any ten") << QList<FinishedTest> {} << QList<TopicIndex> {};
    // The eight lines were never asked by significance: they come first, then
    // the two of the first ten answered wrong.
    QTest::newRow("never asked first, then the ones missed")
        << QList<FinishedTest> {kept(TestMode::BySignificance, kFirstTen, {0, 1, 2, 3, 4, 5, 6, 7})}
        << kLines + QList<TopicIndex> {8, 9};
    // Tests of another kind do not count for this one.
    QTest::newRow("another kind's record is its own")
        << QList<FinishedTest> {kept(TestMode::ByName, kLines, {}),
                                kept(TestMode::BySignificance, kLines + QList<TopicIndex> {0, 1}, kLines)}
        << kFirstTen;
    // Every topic asked: 0 of 2 before 0 of 1, both before 1 of 2, before 1 of 1.
    QList<FinishedTest> twice {kept(TestMode::BySignificance, kFirstTen, {}),
                               kept(TestMode::BySignificance, kLines, kLines)};
    twice.append(kept(TestMode::BySignificance, {0, 1, 2, 3, 4, 14, 15, 16, 17}, {2, 3, 4, 14, 15, 16, 17}));
    QTest::newRow("lowest share first, the more often asked of two alike") << twice << kFirstTen;
}

void TstWeakestTest::choosesTheWeakestOfTheKind()
{
    QFETCH(QList<FinishedTest>, results);
    QFETCH(QList<TopicIndex>, certain);
    const TopicRecords records(results);
    // Each test asks in an order of its own.
    QSet<QList<TopicIndex>> orders;
    for (const std::uint64_t seed : {1u, 2u, 3u}) {
        GeneratorRandomSource random(seed);
        const TestSheet sheet = composeWeakestTest(TestMode::BySignificance, records, random);
        QVERIFY(sheet.topicChoice == TopicChoice::Weakest && sheet.mode == TestMode::BySignificance
                && sheet.questionCount == 10);
        const QList<TopicIndex> asked(sheet.questionTopics.begin(), sheet.questionTopics.end());
        QCOMPARE(QSet<TopicIndex>(asked.begin(), asked.end()).size(), 10);
        for (const TopicIndex topic : asked)
            QVERIFY(isEligibleTopic(topic));
        for (const TopicIndex topic : certain)
            QVERIFY(asked.contains(topic));
        orders.insert(asked);
    }
    QVERIFY(orders.size() > 1);
}

void TstWeakestTest::recordLineCountsEveryKind()
{
    // An older test that kept no questions tells nothing of any topic.
    FinishedTest older = kept(TestMode::ByName, kFirstTen, kFirstTen);
    older.asked.clear();
    QCOMPARE(TopicRecords({older}).recordLine(3), QString());

    const TopicRecords records({older, kept(TestMode::ByName, kFirstTen, {3}),
                                kept(TestMode::ByLocationShape, {3, 14}, {}),
                                kept(TestMode::ByName, {3}, {3})});
    QCOMPARE(records.recordLine(3), QStringLiteral("Answered right 2 of 3 times"));
    QCOMPARE(records.recordLine(14), QStringLiteral("Answered right 0 of 1 time"));
    QCOMPARE(records.recordLine(20), QStringLiteral("Not asked in your tests yet"));
    // The table's order: the weakest first, the never asked last.
    const QList<TopicIndex> order = records.weakestFirst();
    QCOMPARE(order.mid(0, 10), (QList<TopicIndex> {0, 1, 2, 4, 5, 6, 7, 8, 9, 14}));
    QCOMPARE(order.at(10), TopicIndex(3));
    QCOMPARE(order.mid(11, 3), (QList<TopicIndex> {10, 11, 12}));
}

QTEST_GUILESS_MAIN(TstWeakestTest)
#include "tst_weakesttest.moc"
