// Times the everyday operations on the real widgets: showing a topic, composing
// a test and showing its first question, writing a report into the result box,
// and saving a goal note. Run with -median N; each should stay under 1 ms.
// Also opens "Set Goals" with both notes as long as a note may be, in words and
// as one line without spaces (the slowest to lay out): well within a second.
// And shows Test Options and My Progress with a hundred kept results, and
// finishes a test to its report, each within a 120 Hz frame (8.3 ms).
#include "app/mainwindow.h"
#include "common/environment.h"
#include "common/randomsource.h"
#include "goals/goalfile.h"
#include "goals/goalnotes.h"
#include "goals/goalspage.h"
#include "memorize/topicbrowser.h"
#include "record/resulthistory.h"
#include "selftest/selftest.h"
#include "selftest/testcomposer.h"
#include "selftest/testoptionspage.h"
#include "selftest/testquestionpage.h"
#include "selftest/testreport.h"
#include "selftest/testresultpage.h"
#include "ui/theme.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <vector>

using namespace palmora;

class BenchResponsiveness : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void showTopic_data();
    void showTopic();
    void composeTestAndShowQuestion_data();
    void composeTestAndShowQuestion();
    void buildTestReport();
    void saveGoalNote();
    void openGoalsWithLongestNotes_data();
    void openGoalsWithLongestNotes();
    void showResultPages_data();
    void showResultPages();
    void finishTestAndShowReport();

private:
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_main;
    Environment m_env;
};

void BenchResponsiveness::initTestCase()
{
    Theme::apply(*qApp);
    m_env.goalFolders.saveFolder = m_folder.path();
    m_env.today = [] { return QDate(2026, 12, 7); };
    m_env.random = std::make_shared<GeneratorRandomSource>();
    m_env.lockFilePath = m_folder.filePath(QStringLiteral("palmora.lock"));
    // As many kept results as are ever kept, each with its ten questions.
    m_env.resultHistoryPath = m_folder.filePath(QStringLiteral("results.json"));
    const ResultHistory history(m_env.resultHistoryPath);
    for (int i = 0; i < ResultHistory::kMaxResults; ++i) {
        FinishedTest test {QDateTime::currentDateTimeUtc().addDays(i - 100),
                           TestMode(i % 3),
                           TopicChoice::Drawn,
                           0,
                           kQuestionCount,
                           {}};
        for (int q = 0; q < kQuestionCount; ++q) {
            test.asked.append({static_cast<TopicIndex>((q + i) % 18), (q + i) % 3 != 0});
            test.score += test.asked.last().right ? 1 : 0;
        }
        QVERIFY(history.append(test).ok);
    }
    m_main = std::make_unique<MainWindow>(m_env);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void BenchResponsiveness::cleanupTestCase()
{
    m_main.reset();
}

// "changed": the operation itself; "painted": also laid out and painted at once,
// which Qt otherwise does on the next pass of the event loop.
static void addPaintColumn()
{
    QTest::addColumn<bool>("painted");
    QTest::newRow("changed") << false;
    QTest::newRow("painted") << true;
}

void BenchResponsiveness::showTopic_data()
{
    addPaintColumn();
}

void BenchResponsiveness::composeTestAndShowQuestion_data()
{
    addPaintColumn();
}

void BenchResponsiveness::showTopic()
{
    QFETCH(bool, painted);
    TopicBrowser *browser = m_main->topicBrowser();
    m_main->showSection(MainWindow::Section::TopicBrowser);
    for (int t = 0; t < TopicCatalogue::kTopicCount; ++t)
        browser->showTopic(t); // every picture decoded once, as after a first walk
    int t = 0;
    QBENCHMARK
    {
        browser->showTopic(t);
        if (painted) {
            QCoreApplication::sendPostedEvents();
            browser->repaint();
        }
        t = (t + 1) % TopicCatalogue::kTopicCount;
    }
}

void BenchResponsiveness::composeTestAndShowQuestion()
{
    QFETCH(bool, painted);
    SelfTest *test = m_main->selfTest();
    m_main->findChild<QRadioButton *>(QStringLiteral("bySignificanceChoice"))->setChecked(true);
    QBENCHMARK
    {
        test->startTest();
        if (painted) {
            QCoreApplication::sendPostedEvents();
            test->questionPage()->repaint();
        }
    }
    QCOMPARE(m_main->currentSection(), MainWindow::Section::TestQuestion);
}

void BenchResponsiveness::buildTestReport()
{
    GeneratorRandomSource random;
    TestSheet sheet = composeTest(TestMode::BySignificance, random);
    for (int i = 0; i < kQuestionCount; ++i)
        sheet.givenAnswers[i] =
            topicText(m_main->catalogue(), (sheet.questionTopics[i] + 1) % 10, sheet.mode);
    QTextDocument document;
    QBENCHMARK
    {
        writeReport(document, composeTestReport(sheet, m_main->catalogue()));
    }
    QVERIFY(document.toPlainText().endsWith(QStringLiteral(" Correct out of 10 Questions")));
}

void BenchResponsiveness::saveGoalNote()
{
    GoalsPage *goals = m_main->goalsPage();
    m_main->findChild<QCheckBox *>(QStringLiteral("goal1CheckBox"))->setChecked(true);
    m_main->findChild<QPlainTextEdit *>(QStringLiteral("goal1Edit"))
        ->setPlainText(QStringLiteral("Learn the Heart Line and the Head Line.\nPractise on five friends."));
    QBENCHMARK
    {
        QVERIFY(goals->saveNote(1));
    }
}

void BenchResponsiveness::openGoalsWithLongestNotes_data()
{
    QTest::addColumn<QString>("note");
    const int bound = GoalFile::kMaxCharacters;
    QString words =
        QStringLiteral("Trace the life line from the wrist to the mount. ").repeated(bound / 49 + 1);
    words.truncate(bound);
    QTest::newRow("words") << words.trimmed();
    QTest::newRow("one line without spaces") << QString(bound, QLatin1Char('m'));
}

// From reading both files to the page painted, as the main window shows it.
void BenchResponsiveness::openGoalsWithLongestNotes()
{
    QFETCH(QString, note);
    QTemporaryDir folder;
    for (int n = 1; n <= 2; ++n)
        QVERIFY(GoalFile(folder.path(), n).write(note).ok);
    QBENCHMARK
    {
        GoalNotes notes(GoalFolders {folder.path(), {}, {}, {}});
        notes.load();
        GoalsPage page(std::move(notes));
        page.show();
        QCoreApplication::sendPostedEvents();
        page.repaint();
        QCOMPARE(page.findChild<QPlainTextEdit *>(QStringLiteral("goal2Edit"))->toPlainText().size(),
                 note.size());
    }
}

void BenchResponsiveness::showResultPages_data()
{
    QTest::addColumn<MainWindow::Section>("section");
    QTest::newRow("test options") << MainWindow::Section::TestOptions;
    QTest::newRow("my progress") << MainWindow::Section::Progress;
}

// From the start page to the page shown and painted; the file was read on the
// first showing, before the measure.
void BenchResponsiveness::showResultPages()
{
    QFETCH(MainWindow::Section, section);
    m_main->showSection(section);
    QBENCHMARK
    {
        m_main->showSection(MainWindow::Section::StartPage);
        m_main->showSection(section);
        QCoreApplication::sendPostedEvents();
        m_main->repaint();
    }
    QCOMPARE(m_main->currentSection(), section);
}

// From the last answer's Next Question to the report shown and painted, the
// result added to a hundred kept ones. Each run needs a test at its last
// question, so the runs are timed one by one and their median reported.
void BenchResponsiveness::finishTestAndShowReport()
{
    SelfTest *test = m_main->selfTest();
    TestQuestionPage *page = test->questionPage();
    auto *next = page->findChild<QPushButton *>(QStringLiteral("nextQuestionButton"));
    m_main->findChild<QRadioButton *>(QStringLiteral("bySignificanceChoice"))->setChecked(true);
    std::vector<double> milliseconds;
    for (int run = 0; run < 15; ++run) {
        m_main->showSection(MainWindow::Section::TestOptions);
        test->startTest();
        for (int q = 0; q < kQuestionCount - 1; ++q) {
            page->findChild<QButtonGroup *>()->button(q % kOptionCount)->setChecked(true);
            next->click();
        }
        page->findChild<QButtonGroup *>()->button(0)->setChecked(true);
        QCoreApplication::sendPostedEvents();
        m_main->repaint();
        QElapsedTimer timer;
        timer.start();
        next->click();
        QCoreApplication::sendPostedEvents();
        m_main->repaint();
        milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        QCOMPARE(m_main->currentSection(), MainWindow::Section::TestResult);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    QTest::setBenchmarkResult(milliseconds[milliseconds.size() / 2], QTest::WalltimeMilliseconds);
}

QTEST_MAIN(BenchResponsiveness)
#include "bench_responsiveness.moc"
