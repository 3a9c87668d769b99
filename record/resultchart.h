#pragma once

#include "record/finishedtest.h"

#include <QList>
#include <QWidget>

namespace palmora {

// The last results as a row of bars, oldest on the left and newest on the
// right, each as high as its share of right answers; a test of the missed or
// weakest topics is a lighter bar. Shows the whole row in its own size. A Tab stop whose
// accessible description tells what the bars mean and the score each shows.
class ResultChart : public QWidget {
    Q_OBJECT
public:
    explicit ResultChart(QWidget *parent = nullptr);

    // The results, oldest first; the chart keeps the last kChartedTests.
    void showResults(const QList<FinishedTest> &results);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<FinishedTest> m_results;
};

} // namespace palmora
