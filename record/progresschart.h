#pragma once

#include "record/finishedtest.h"

#include <QList>
#include <QWidget>

namespace palmora {

// The score of each of the last tests over time, on a scale of 0 to 10 right
// answers with the dates beneath: a line for each kind of test through its
// ordinary tests, which are the ones that show progress; a test of missed or
// weakest topics is a hollow mark beside the lines, since it asks what went
// wrong before. Before the first test it says what will appear. A Tab stop whose
// accessible description tells what it shows, test by test.
class ProgressChart : public QWidget {
    Q_OBJECT
public:
    explicit ProgressChart(QWidget *parent = nullptr);

    // The results, oldest first; the chart keeps the last kChartedTests.
    void showResults(const QList<FinishedTest> &results);
    // No results, and why, in their place.
    void showNote(const QString &note);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the chart shows, for a screen reader.
    static QString describe(const QList<FinishedTest> &shown);
    void drawLegend(QPainter &painter, const QRectF &area) const;

    QList<FinishedTest> m_shown;
    QString m_note;
};

} // namespace palmora
