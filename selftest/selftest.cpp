#include "selftest/selftest.h"

#include "content/picturelist.h"
#include "content/topiccatalogue.h"
#include "record/progresspage.h"
#include "record/resultstore.h"
#include "record/topicrecords.h"
#include "selftest/missedtest.h"
#include "selftest/testoptionspage.h"
#include "selftest/testquestionpage.h"
#include "selftest/testresultpage.h"
#include "selftest/weakesttest.h"
#include "ui/afterdrawing.h"
#include "ui/messagebox.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace palmora {

SelfTest::SelfTest(const TopicCatalogue &catalogue, const PictureList &pictures, RandomSource &random,
                   QObject *parent)
    : QObject(parent)
    , m_catalogue(catalogue)
    , m_pictures(pictures)
    , m_random(random)
    , m_options(new TestOptionsPage)
    , m_question(new TestQuestionPage)
    , m_result(new TestResultPage)
    , m_progress(new ProgressPage(catalogue))
{
    // Until the first test the question frame shows the first picture.
    m_question->showPicture(questionPicture(1));

    connect(m_options, &TestOptionsPage::startRequested, this, &SelfTest::startTest);
    connect(m_options, &TestOptionsPage::backToMainRequested, this, &SelfTest::backToMainRequested);
    connect(m_question, &TestQuestionPage::nextQuestionRequested, this, &SelfTest::nextQuestion);
    connect(m_result, &TestResultPage::startAgainRequested, this, &SelfTest::startAgain);
    connect(m_result, &TestResultPage::missedTestRequested, this, &SelfTest::startMissedTest);
    // The results are read when a page that shows them is first shown.
    m_options->installEventFilter(this);
    connect(m_options, &TestOptionsPage::weakestTestRequested, this, &SelfTest::startWeakestTest);
    connect(m_options, &TestOptionsPage::progressRequested, this, [this] { showProgress(m_options); });
    connect(m_result, &TestResultPage::progressRequested, this, [this] { showProgress(m_result); });
    m_progress->installEventFilter(this);
    connect(m_progress, &ProgressPage::backRequested, this, [this] {
        emit showPageRequested(m_progressReturn ? m_progressReturn.data() : m_options.data());
    });
}

// The pages belong to the main window's stack once it has taken them; before
// that (a SelfTest on its own, as in tests) they are ours to delete.
SelfTest::~SelfTest()
{
    // Too late to tell of a failure: the window is going.
    if (m_unrecorded && m_store && !m_historyUnusable)
        m_store->append(*m_unrecorded);
    const std::initializer_list<QWidget *> pages {m_options.data(), m_question.data(), m_result.data(),
                                                  m_progress.data()};
    for (QWidget *page : pages) {
        if (page && !page->parent())
            delete page;
    }
}

bool SelfTest::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && (watched == m_options || watched == m_progress))
        readResults();
    return QObject::eventFilter(watched, event);
}

ProgressPage *SelfTest::progressPage() const
{
    return m_progress;
}

std::optional<TestMode> SelfTest::chosenMode()
{
    const std::optional<TestMode> mode = m_options->selectedMode();
    if (!mode)
        MessageBox::critical(m_options, tr("Please select a test option"));
    return mode;
}

void SelfTest::startTest()
{
    if (const std::optional<TestMode> mode = chosenMode())
        begin(composeTest(*mode, m_random));
}

void SelfTest::startWeakestTest()
{
    const std::optional<TestMode> mode = chosenMode();
    if (!mode)
        return;
    recordPendingResult();
    readResults();
    const TopicRecords records(m_store ? m_store->results().results : QList<FinishedTest> {});
    begin(composeWeakestTest(*mode, records, m_random));
}

void SelfTest::showProgress(QWidget *from)
{
    recordPendingResult();
    m_progressReturn = from;
    emit showPageRequested(m_progress);
}

void SelfTest::showResults(const QList<FinishedTest> &results)
{
    m_options->showResults(results);
    m_progress->showResults(results);
}

void SelfTest::showResultsUnreadable()
{
    const QString note = tr("Your earlier results cannot be read, so new results are not kept.");
    m_options->showResultsNote(note);
    m_progress->showResultsNote(note);
}

void SelfTest::begin(const TestSheet &sheet)
{
    recordPendingResult();
    m_sheet = sheet;
    m_running = true;
    m_current = drawQuestion(m_sheet.questionTopics[0], m_random);
    showQuestion();
    m_question->setTitle(tr("Test"));
    emit showPageRequested(m_question);
    // The report's page is made ready while the user reads the first question.
    TestResultPage *result = m_result;
    AfterDrawing::run(m_question, result, [result] { result->prepare(); });
}

void SelfTest::showQuestion()
{
    const int topic = m_current.topic;
    m_question->showQuestion(m_catalogue.topicName(topic), m_sheet.mode != TestMode::ByName,
                             questionPicture(TopicCatalogue::topicPicture(topic)),
                             m_current.optionTexts(m_catalogue, m_sheet.mode));
}

std::function<QImage(qreal)> SelfTest::questionPicture(int number) const
{
    return [&pictures = m_pictures, number](qreal ratio) { return pictures.picture(number, ratio); };
}

void SelfTest::nextQuestion()
{
    // Only a running test takes answers.
    if (!m_running)
        return;
    const int chosen = m_question->selectedOption();
    if (chosen < 0) {
        MessageBox::critical(m_question, tr("Please select an answer"));
        return;
    }
    m_sheet.givenAnswers[m_sheet.currentQuestion] = m_question->optionText(chosen);
    m_question->clearSelection();
    ++m_sheet.currentQuestion;
    if (m_sheet.isFinished()) {
        buildReport();
        return;
    }
    m_current = drawQuestion(m_sheet.questionTopics[m_sheet.currentQuestion], m_random);
    showQuestion();
}

void SelfTest::buildReport()
{
    const TestReport report = composeTestReport(m_sheet, m_catalogue);
    m_result->showReport(report);
    m_missed = missedTopics(m_sheet, m_catalogue);
    m_missedMode = m_sheet.mode;
    m_result->offerMissedTest(static_cast<int>(m_missed.size()));
    FinishedTest finished {QDateTime::currentDateTimeUtc(),
                           m_sheet.mode,
                           m_sheet.topicChoice,
                           report.score,
                           m_sheet.questionCount,
                           {}};
    for (int i = 0; i < m_sheet.questionCount; ++i)
        finished.asked.append({m_sheet.questionTopics[i], m_sheet.isAnsweredRight(i, m_catalogue)});
    m_sheet.clear();
    m_running = false;
    // Writing the file waits for the disk: the result is kept once the report
    // is on screen, or a moment later should the page not be drawn, and before
    // anything else reads the results.
    m_unrecorded = finished;
    emit showPageRequested(m_result);
    AfterDrawing::run(m_result, this, [this] { recordPendingResult(); });
    QTimer::singleShot(kRecordingDelay, this, &SelfTest::recordPendingResult);
}

void SelfTest::recordPendingResult()
{
    if (m_unrecorded)
        recordResult(*std::exchange(m_unrecorded, std::nullopt));
}

void SelfTest::startAgain()
{
    recordPendingResult();
    m_options->clearSelection();
    emit showPageRequested(m_options);
}

void SelfTest::startMissedTest()
{
    if (m_running || m_missed.isEmpty())
        return;
    begin(composeMissedTest(m_missedMode, m_missed, m_random));
}

void SelfTest::setResultStore(std::shared_ptr<ResultStore> store)
{
    recordPendingResult();
    m_store = std::move(store);
    m_resultsRead = false;
    m_historyUnusable = false;
}

void SelfTest::readResults()
{
    if (!m_store || m_resultsRead)
        return;
    m_resultsRead = true;
    const ResultHistory::Result &read = m_store->results();
    if (read.ok) {
        showResults(read.results);
        return;
    }
    m_historyUnusable = read.fileUnusable;
    showResultsUnreadable();
    // Asked once the page is on screen, not while it is being shown.
    QTimer::singleShot(0, this, [this, why = read.error] { offerSetAside(why); });
}

void SelfTest::recordResult(const FinishedTest &test)
{
    if (!m_store || m_historyUnusable)
        return;
    const ResultHistory::Result added = m_store->append(test);
    if (added.ok) {
        showResults(added.results);
        return;
    }
    if (added.fileUnusable) {
        m_historyUnusable = true;
        showResultsUnreadable();
        offerSetAside(added.error);
        return;
    }
    MessageBox::critical(m_result,
                         tr("The result of this test could not be added to your results in "
                            "%1.\n\n%2\n\nThe results kept before are as they were.")
                             .arg(QDir::toNativeSeparators(m_store->filePath()), added.error));
}

void SelfTest::offerSetAside(const QString &why)
{
    const QString path = QDir::toNativeSeparators(m_store->filePath());
    QWidget *page = m_result->isVisible() ? static_cast<QWidget *>(m_result) : m_options;
    // Setting the file aside would not let new results be kept in that folder.
    if (const QString refused = m_store->whyFolderUnusable(); !refused.isEmpty()) {
        MessageBox::critical(page,
                             tr("Your earlier test results cannot be read from %1.\n\n%2\n\nThe file has "
                                "been left as it is. New results are not kept in that folder: %3")
                                 .arg(path, why, refused));
        return;
    }
    const MessageBox::Answer answer = MessageBox::question(
        page,
        tr("Your earlier test results cannot be read from %1.\n\n%2\n\nThe file has been left as it is, and "
           "the results of new tests are not kept while it is there. Do you want to set it aside under a new "
           "name, so that your results are kept in a new file from now on?")
            .arg(path, why),
        MessageBox::Icon::Critical);
    if (answer != MessageBox::Answer::Yes)
        return;
    const ResultHistory::Result setAside = m_store->setAside();
    if (!setAside.ok) {
        MessageBox::critical(page,
                             tr("The file %1 could not be set aside.\n\n%2\n\nIt is still there as it was.")
                                 .arg(path, setAside.error));
        return;
    }
    m_historyUnusable = false;
    showResults({});
    MessageBox::information(page,
                            tr("The file was kept as %1. The results of your next tests are kept in a "
                               "new file.")
                                .arg(QDir::toNativeSeparators(setAside.setAsidePath)));
}

} // namespace palmora
