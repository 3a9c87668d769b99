#pragma once

#include "record/resulthistory.h"
#include "selftest/testcomposer.h"
#include "selftest/testreport.h"
#include "selftest/testsheet.h"

#include <QImage>
#include <QObject>
#include <QPointer>

#include <chrono>
#include <memory>
#include <optional>

namespace palmora {

class PictureList;
class ProgressPage;
class RandomSource;
class ResultStore;
class TestOptionsPage;
class TestQuestionPage;
class TestResultPage;
class TopicCatalogue;

// The self-test section: its frames (options, question, result, progress) and
// the test that runs through them.
class SelfTest : public QObject {
    Q_OBJECT
public:
    SelfTest(const TopicCatalogue &catalogue, const PictureList &pictures, RandomSource &random,
             QObject *parent = nullptr);
    ~SelfTest() override;

    TestOptionsPage *optionsPage() const { return m_options; }
    TestQuestionPage *questionPage() const { return m_question; }
    TestResultPage *resultPage() const { return m_result; }
    ProgressPage *progressPage() const;

    // "Click Here To Start The Test": composes a test of the chosen kind and
    // shows its first question.
    void startTest();
    // Keeps each finished test's result in the store and shows the last ones
    // on the options page and in the progress view. The file is first read when
    // one of them first shows; without a store, results are not kept.
    void setResultStore(std::shared_ptr<ResultStore> store);

signals:
    // Bring one of the test's pages to the front.
    void showPageRequested(QWidget *page);
    void backToMainRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // "Next Question": records the selected answer and moves on.
    void nextQuestion();
    // "Start Test Once More": back to the choice of kind, none selected.
    void startAgain();
    // A test, of the same kind, of just the topics the last test missed.
    void startMissedTest();
    // A test of the chosen kind of the topics answered right least often.
    void startWeakestTest();
    // The progress view, and back to `from` when it is left.
    void showProgress(QWidget *from);
    // Puts the sheet's first question on screen.
    void begin(const TestSheet &sheet);
    void showQuestion();
    // Draws picture `number` for the density of the question frame's screen.
    std::function<QImage(qreal)> questionPicture(int number) const;
    // The kind of test chosen on Test Options; none, and the user told to
    // choose one.
    std::optional<TestMode> chosenMode();
    // No result is kept while the results file cannot be read: says so
    // where the results are shown.
    void showResultsUnreadable();
    void buildReport();
    // The results as the file holds them, read once.
    void readResults();
    // On the options page and in the progress view.
    void showResults(const QList<FinishedTest> &results);
    void recordResult(const FinishedTest &test);
    // Keeps the finished test's result if it is not kept yet.
    void recordPendingResult();
    // Tells why the file of results cannot be used and offers to set it aside.
    void offerSetAside(const QString &why);

    const TopicCatalogue &m_catalogue;
    const PictureList &m_pictures;
    RandomSource &m_random;
    // Watched, since the stack they are put into may delete them first.
    QPointer<TestOptionsPage> m_options;
    QPointer<TestQuestionPage> m_question;
    QPointer<TestResultPage> m_result;
    QPointer<ProgressPage> m_progress;
    // The page the progress view was opened from.
    QPointer<QWidget> m_progressReturn;
    TestSheet m_sheet;
    Question m_current;
    // A test has been composed and its report is not yet written.
    bool m_running = false;
    // The topics the last reported test missed, and its kind.
    QList<TopicIndex> m_missed;
    TestMode m_missedMode = TestMode::ByName;
    // The last test's result until it is kept, soon after its report shows.
    std::optional<FinishedTest> m_unrecorded;
    static constexpr std::chrono::milliseconds kRecordingDelay {250};
    std::shared_ptr<ResultStore> m_store;
    bool m_resultsRead = false;
    // The file of results is there but cannot be used: nothing is written to it.
    bool m_historyUnusable = false;
};

} // namespace palmora
