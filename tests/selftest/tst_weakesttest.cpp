#include "common/randomsource.h"
#include "selftest/topicrecords.h"
#include "selftest/weakesttest.h"

#include <QTest>

#include <algorithm>

using namespace palmora;

Q_DECLARE_METATYPE(QList<TopicIndex>)
Q_DECLARE_METATYPE(QList<palmora::FinishedTest>)

namespace {

// A kept test of `mode` that asked `topics`, those in `right` answered right.
FinishedTest kept(TestMode mode, const QList<TopicIndex> &topics, const QList<TopicIndex> &right)
{
    FinishedTest test {QDateTime(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC), mode, TopicChoice::Drawn, 0,
                       static_cast<int>(topics.size()), {}};
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
    // Topics the ten must hold, and how many more come from the rest.
    QTest::addColumn<QList<TopicIndex>>("certain");
    QTest::addColumn<QList<TopicIndex>>("rest");

    QTest::newRow("no results: any ten a test may ask")
        << QList<FinishedTest> {} << QList<TopicIndex> {} << kFirstTen + kLines;
    // The eight lines were never asked by significance: they come first, then
    // the two of the first ten answered wrong.
    QTest::newRow("never asked first, then the ones missed")
        << QList<FinishedTest> {kept(TestMode::BySignificance, kFirstTen, {0, 1, 2, 3, 4, 5, 6, 7})}
        << kLines + QList<TopicIndex> {8, 9} << QList<TopicIndex> {};
    // Tests of another kind do not count for this one.
    QTest::newRow("another kind's record is its own")
        << QList<FinishedTest> {kept(TestMode::ByName, kLines, {}),
                                kept(TestMode::BySignificance, kLines + QList<TopicIndex> {0, 1}, kLines)}
        << QList<TopicIndex> {0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << QList<TopicIndex> {};
    // Every topic asked: 0 of 2 before 0 of 1, both before 1 of 2, before 1 of 1.
    QList<FinishedTest> twice {kept(TestMode::BySignificance, kFirstTen, {}),
                               kept(TestMode::BySignificance, kLines, kLines)};
    twice.append(kept(TestMode::BySignificance, {0, 1, 2, 3, 4, 14, 15, 16, 17}, {2, 3, 4, 14, 15, 16, 17}));
    QTest::newRow("lowest share first, the more often asked of two alike")
        << twice << QList<TopicIndex> {0, 1, 5, 6, 7, 8, 9, 2, 3, 4} << QList<TopicIndex> {};
}

void TstWeakestTest::choosesTheWeakestOfTheKind()
{
    QFETCH(QList<FinishedTest>, results);
    QFETCH(QList<TopicIndex>, certain);
    QFETCH(QList<TopicIndex>, rest);
    const TopicRecords records(results);
    QList<QList<TopicIndex>> orders;
    for (const std::uint64_t seed : {1u, 2u, 3u, 4u}) {
        GeneratorRandomSource random(seed);
        const TestSheet sheet = composeWeakestTest(TestMode::BySignificance, records, random);
        QCOMPARE(sheet.topicChoice, TopicChoice::Weakest);
        QCOMPARE(sheet.mode, TestMode::BySignificance);
        QCOMPARE(sheet.questionCount, 10);
        const QList<TopicIndex> asked(sheet.questionTopics.begin(), sheet.questionTopics.end());
        for (const TopicIndex topic : certain)
            QVERIFY2(asked.contains(topic), qPrintable(QString::number(topic)));
        for (const TopicIndex topic : asked)
            QVERIFY2(certain.contains(topic) || rest.contains(topic), qPrintable(QString::number(topic)));
        QCOMPARE(QSet<TopicIndex>(asked.begin(), asked.end()).size(), 10);
        orders.append(asked);
    }
    // Each test asks in an order of its own.
    std::sort(orders.begin(), orders.end());
    QVERIFY(std::unique(orders.begin(), orders.end()) - orders.begin() > 1);
}

void TstWeakestTest::recordLineCountsEveryKind()
{
    QCOMPARE(TopicRecords().recordLine(3), QString());
    // An older test that kept no questions tells nothing of any topic.
    FinishedTest older = kept(TestMode::ByName, kFirstTen, kFirstTen);
    older.asked.clear();
    QCOMPARE(TopicRecords({older}).recordLine(3), QString());

    const TopicRecords records({older, kept(TestMode::ByName, kFirstTen, {3}),
                                kept(TestMode::ByLocationShape, {3, 14}, {}), kept(TestMode::ByName, {3}, {3})});
    QCOMPARE(records.recordLine(3), QStringLiteral("Answered right 2 of 3 times"));
    QCOMPARE(records.recordLine(14), QStringLiteral("Answered right 0 of 1 time"));
    QCOMPARE(records.recordLine(20), QStringLiteral("Not asked in your tests yet"));
    // The table's order: the weakest first, the never asked last.
    const QList<TopicIndex> order = records.weakestFirst();
    QCOMPARE(order.size(), 23);
    QCOMPARE(order.mid(0, 10), (QList<TopicIndex> {0, 1, 2, 4, 5, 6, 7, 8, 9, 14}));
    QCOMPARE(order.at(10), TopicIndex(3));
    QCOMPARE(order.mid(11, 3), (QList<TopicIndex> {10, 11, 12}));
}

QTEST_GUILESS_MAIN(TstWeakestTest)
#include "tst_weakesttest.moc"
