#include "record/progresschart.h"

#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace palmora;

Q_DECLARE_METATYPE(QList<palmora::FinishedTest>)

namespace {

FinishedTest finished(int day, TestMode mode, TopicChoice choice = TopicChoice::Drawn, int score = 5)
{
    return {QDateTime(QDate(2026, 11, 1).addDays(day), QTime(12, 0), Qt::UTC), mode, choice, score, 10, {}};
}

// The start of the entry of a test of that day.
QString entryStart(int day)
{
    return QLatin1String(". ") + QLocale().toString(QDate(2026, 11, 1).addDays(day), QLocale::ShortFormat)
        + ',';
}

// Whether the chart drew in the colour below its legend.
bool drawnIn(const QImage &image, QRgb color)
{
    for (int y = 26; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::find(line, line + image.width(), color) != line + image.width())
            return true;
    }
    return false;
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
    // Whether marks by name and by location / shape are drawn.
    QTest::addColumn<QList<bool>>("kindsDrawn");

    QTest::newRow("before the first test")
        << QList<FinishedTest> {} << QStringLiteral("No tests yet.") << -1 << 0 << 0 << QList {false, false};
    // The five oldest are the only tests by location / shape: none of them shows.
    QList<FinishedTest> many;
    for (int day = 0; day < 25; ++day)
        many.append(finished(day, day < 5 ? TestMode::ByLocationShape : TestMode::ByName));
    QTest::newRow("the last 20 of 25")
        << many << QStringLiteral("Your last 20 tests, oldest first") << 5 << 20 << 0 << QList {true, false};
    QTest::newRow("a repeat and a weakest-topics test are not progress")
        << QList<FinishedTest> {finished(0, TestMode::ByName),
                                finished(1, TestMode::ByName, TopicChoice::Missed, 2),
                                finished(2, TestMode::ByLocationShape, TopicChoice::Weakest, 4)}
        << QStringLiteral("Your last 3 tests, oldest first") << 0 << 3 << 2 << QList {true, true};
}

void TstProgressChart::showsTheLastTests()
{
    QFETCH(QList<FinishedTest>, results);
    QFETCH(QString, heading);
    QFETCH(int, firstDay);
    QFETCH(int, entries);
    QFETCH(int, notProgress);
    QFETCH(QList<bool>, kindsDrawn);

    ProgressChart chart;
    chart.resize(735, 168);
    chart.showResults(results);
    const QString told = chart.accessibleDescription();
    QVERIFY2(told.startsWith(heading), qPrintable(told));
    QCOMPARE(told.count(QRegularExpression(QStringLiteral("\\d+ of 10 right"))), entries);
    QCOMPARE(told.count(QStringLiteral("not counted as progress")), notProgress);
    // Oldest first, from the first one shown.
    QVERIFY2(firstDay < 0 || told.indexOf(entryStart(firstDay)) == told.indexOf(QLatin1String(". ")),
             qPrintable(told));

    // Marks and lines of a kind's colour only where that kind was tested.
    const QImage drawn = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE((QList {drawnIn(drawn, qRgb(128, 0, 128)), drawnIn(drawn, qRgb(190, 90, 0))}), kindsDrawn);
}

QTEST_MAIN(TstProgressChart)
#include "tst_progresschart.moc"
