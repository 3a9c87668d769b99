#include "selftest/progresschart.h"

#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

using namespace palmora;

Q_DECLARE_METATYPE(QList<palmora::FinishedTest>)

namespace {

// The fills of a test by name and of one by location / shape.
constexpr QRgb kNameFill = qRgb(128, 0, 128);
constexpr QRgb kLocationShapeFill = qRgb(190, 90, 0);

FinishedTest finished(int day, TestMode mode, TopicChoice choice = TopicChoice::Drawn, int score = 5)
{
    return {QDateTime(QDate(2026, 11, 1).addDays(day), QTime(12, 0), Qt::UTC), mode, choice, score, 10, {}};
}

QString shownDate(int day)
{
    return QLocale().toString(QDate(2026, 11, 1).addDays(day), QLocale::ShortFormat);
}

// How many pixels of the colour the chart drew below its legend.
int drawnPixels(const QImage &image, QRgb color)
{
    int count = 0;
    for (int y = 26; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == color ? 1 : 0;
    }
    return count;
}

} // namespace

// The chart of the last tests: which tests it draws, what it tells a screen
// reader, and what it says before the first test.
class TstProgressChart : public QObject {
    Q_OBJECT

private slots:
    void showsTheLastTests_data();
    void showsTheLastTests();
};

void TstProgressChart::showsTheLastTests_data()
{
    QTest::addColumn<QList<FinishedTest>>("results");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("notProgress");
    QTest::addColumn<bool>("nameDrawn");
    QTest::addColumn<bool>("locationShapeDrawn");

    QTest::newRow("before the first test") << QList<FinishedTest> {} << QStringLiteral("No tests yet.") << -1 << 0
                                           << 0 << false << false;
    QTest::newRow("one test") << QList<FinishedTest> {finished(3, TestMode::ByLocationShape)}
                              << QStringLiteral("Your one test so far") << 3 << 1 << 0 << false << true;
    // The five oldest are the only tests by location / shape: none of them shows.
    QList<FinishedTest> many;
    for (int day = 0; day < 25; ++day)
        many.append(finished(day, day < 5 ? TestMode::ByLocationShape : TestMode::ByName));
    QTest::newRow("the last 20 of 25") << many << QStringLiteral("Your last 20 tests, oldest first") << 5 << 20
                                       << 0 << true << false;
    QTest::newRow("a repeat and a weakest-topics test are not progress")
        << QList<FinishedTest> {finished(0, TestMode::ByName), finished(1, TestMode::ByName, TopicChoice::Missed, 2),
                                finished(2, TestMode::ByLocationShape, TopicChoice::Weakest, 4)}
        << QStringLiteral("Your last 3 tests, oldest first") << 0 << 3 << 2 << true << true;
}

void TstProgressChart::showsTheLastTests()
{
    QFETCH(QList<FinishedTest>, results);
    QFETCH(QString, heading);
    QFETCH(int, firstDay);
    QFETCH(int, entries);
    QFETCH(int, notProgress);
    QFETCH(bool, nameDrawn);
    QFETCH(bool, locationShapeDrawn);

    ProgressChart chart;
    chart.resize(735, 168);
    chart.showResults(results);
    const QString told = chart.accessibleDescription();
    QVERIFY2(told.startsWith(heading), qPrintable(told));
    QCOMPARE(told.count(QRegularExpression(QStringLiteral("\\d+ of 10 right"))), entries);
    QCOMPARE(told.count(QStringLiteral("not counted as progress")), notProgress);
    if (firstDay >= 0) {
        // Oldest first, from the first one shown; none older.
        const QString firstEntry = shownDate(firstDay) + QLatin1Char(',');
        QVERIFY2(told.section(QStringLiteral(". "), 1).startsWith(firstEntry), qPrintable(told));
        if (firstDay > 0)
            QVERIFY2(!told.contains(QLatin1String(". ") + shownDate(firstDay - 1) + QLatin1Char(',')), qPrintable(told));
    }

    // Marks and lines of a kind's colour only where that kind was tested.
    const QImage drawn = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawnPixels(drawn, kNameFill) > 0, nameDrawn);
    QCOMPARE(drawnPixels(drawn, kLocationShapeFill) > 0, locationShapeDrawn);
}

QTEST_MAIN(TstProgressChart)
#include "tst_progresschart.moc"
