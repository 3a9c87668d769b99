#include "selftest/selftest.h"

#include "common/messagebox.h"
#include "common/pixelratiowatcher.h"
#include "content/picturelist.h"
#include "content/topiccatalogue.h"
#include "selftest/testoptionspage.h"
#include "selftest/testquestionpage.h"
#include "selftest/testresultpage.h"

#include <QLabel>
#include <QPixmap>

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
{
    // Until the first test the question frame shows the first picture.
    const QImage first = questionPicture();
    if (!first.isNull())
        m_question->pictureLabel()->setPixmap(QPixmap::fromImage(first));
    // On a screen of another density the picture is swapped for the drawing made for it.
    connect(new PixelRatioWatcher(m_question->pictureLabel()), &PixelRatioWatcher::pixelRatioChanged, this,
            [this] {
                const QImage picture = questionPicture();
                if (!picture.isNull())
                    m_question->pictureLabel()->setPixmap(QPixmap::fromImage(picture));
            });

    connect(m_options, &TestOptionsPage::startRequested, this, &SelfTest::startTest);
    connect(m_options, &TestOptionsPage::backToMainRequested, this, &SelfTest::backToMainRequested);
    connect(m_question, &TestQuestionPage::nextQuestionRequested, this, &SelfTest::nextQuestion);
    connect(m_result, &TestResultPage::startAgainRequested, this, &SelfTest::startAgain);
}

// The pages belong to the main window's stack once it has taken them; before
// that (a SelfTest on its own, as in tests) they are ours to delete.
SelfTest::~SelfTest()
{
    const std::initializer_list<QWidget *> pages {m_options.data(), m_question.data(), m_result.data()};
    for (QWidget *page : pages) {
        if (page && !page->parent())
            delete page;
    }
}

void SelfTest::startTest()
{
    const std::optional<TestMode> mode = m_options->selectedMode();
    if (!mode) {
        MessageBox::critical(m_options, tr("Please select a test option"));
        return;
    }
    m_sheet = composeTest(*mode, m_random);
    m_running = true;
    m_current = drawQuestion(m_sheet.questionTopics[0], m_random);
    showQuestion();
    m_question->setTitle(tr("Test"));
    emit showPageRequested(m_question);
}

void SelfTest::showQuestion()
{
    const int topic = m_current.topic;
    m_pictureNumber = TopicCatalogue::topicPicture(topic);
    m_question->showQuestion(m_catalogue.topicName(topic), m_sheet.mode != TestMode::ByName,
                             questionPicture(), m_current.optionTexts(m_catalogue, m_sheet.mode));
}

QImage SelfTest::questionPicture() const
{
    return m_pictures.picture(m_pictureNumber, m_question->pictureLabel()->devicePixelRatioF());
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
    m_result->showReport(composeTestReport(m_sheet, m_catalogue));
    m_sheet.clear();
    m_running = false;
    emit showPageRequested(m_result);
}

void SelfTest::startAgain()
{
    m_options->clearSelection();
    emit showPageRequested(m_options);
}

} // namespace palmora
