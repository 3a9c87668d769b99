#pragma once

#include "record/resulthistory.h"

#include <QGroupBox>

#include <memory>

namespace Ui {
class ProgressPage;
}

namespace palmora {

class TopicCatalogue;

// "My Progress": the scores of the last tests over time, and every topic with
// how often it was asked and answered right in each kind of test, the weakest
// first.
class ProgressPage : public QGroupBox {
    Q_OBJECT
public:
    explicit ProgressPage(const TopicCatalogue &catalogue, QWidget *parent = nullptr);
    ~ProgressPage() override;

    // `results` oldest first.
    void showResults(const QList<FinishedTest> &results);
    // Says, in the chart's place, why there are no results to show.
    void showResultsNote(const QString &note);

signals:
    void backRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::ProgressPage> ui;
    const TopicCatalogue &m_catalogue;
};

} // namespace palmora
