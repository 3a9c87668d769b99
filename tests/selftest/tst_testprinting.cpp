#include "common/buildinfo.h"
#include "common/randomsource.h"
#include "content/picturelist.h"
#include "content/topiccatalogue.h"
#include "messagerecorder.h"
#include "namedchild.h"
#include "pdfreportprinter.h"
#include "programoutput.h"
#include "selftest/defaultreportprinter.h"
#include "selftest/printqueue.h"
#include "selftest/selftest.h"
#include "selftest/testoptionspage.h"
#include "selftest/testquestionpage.h"
#include "selftest/testresultpage.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QLabel>
#include <QMutex>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <atomic>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace palmora;
using palmora::testing::MessageRecorder;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    return palmora::testing::programOutput(program, arguments);
}

// Ids of the jobs CUPS lists (`which`: "completed", or "all"). Compared as
// sets: CUPS drops old jobs from its history, so a count could stand still
// while a job completes.
QSet<QString> listedJobs(const QString &which = QStringLiteral("completed"))
{
    const QString listing =
        run(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o")});
    QSet<QString> ids;
    for (const QString &line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        ids.insert(line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty));
    return ids;
}

} // namespace

class TstTestPrinting : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void printsToPdfWithoutBold();
    void printingTwiceGivesTheSameBuffer();
    void noPrinterSaysSo_data();
    void noPrinterSaysSo();
    void jobThatCannotStartSaysSo();
    void realJobOnTheDefaultPrinter();
    void windowAnswersWhileAReportPrints();
    void silentPrintSystemIsGivenUpOn_data();
    void silentPrintSystemIsGivenUpOn();
    void lateAnswerPrintsNothing();

private:
    // Takes a whole test by significance, answering every question right.
    void finishTest();
    // The report as the result box shows it.
    QString shownReport() const
    {
        return testing::namedChild<QPlainTextEdit>(m_test->resultPage(), QStringLiteral("resultBox"))
            ->toPlainText();
    }
    // Presses "Print Test Results".
    void print() const
    {
        QTest::mouseClick(
            testing::namedChild<QPushButton>(m_test->resultPage(), QStringLiteral("printButton")),
            Qt::LeftButton);
    }

    std::unique_ptr<TopicCatalogue> m_catalogue;
    std::unique_ptr<PictureList> m_pictures;
    std::unique_ptr<GeneratorRandomSource> m_random;
    std::unique_ptr<SelfTest> m_test;
};

void TstTestPrinting::init()
{
    m_catalogue = std::make_unique<TopicCatalogue>();
    m_pictures = std::make_unique<PictureList>();
    m_random = std::make_unique<GeneratorRandomSource>(1234u);
    m_test = std::make_unique<SelfTest>(*m_catalogue, *m_pictures, *m_random);
    finishTest();
}

void TstTestPrinting::cleanup()
{
    m_test.reset();
}

void TstTestPrinting::finishTest()
{
    m_test->optionsPage()->findChild<QButtonGroup *>()->button(1)->setChecked(true);
    m_test->startTest();
    TestQuestionPage *page = m_test->questionPage();
    for (int i = 0; i < kQuestionCount; ++i) {
        // The named topic's significance is the right answer.
        const QString name = testing::namedChild<QLabel>(page, QStringLiteral("questionNameLabel"))->text();
        int topic = 0;
        while (topic < TopicCatalogue::kTopicCount - 1 && m_catalogue->topicName(topic) != name)
            ++topic;
        for (int k = 0; k < kOptionCount; ++k)
            page->findChild<QButtonGroup *>()->button(k)->setChecked(page->optionText(k)
                                                                     == m_catalogue->significance(topic));
        testing::namedChild<QPushButton>(page, QStringLiteral("nextQuestionButton"))->click();
    }
    QVERIFY(shownReport().endsWith(QStringLiteral("10 Correct out of 10 Questions")));
}

void TstTestPrinting::printsToPdfWithoutBold()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
    if (pdftotext.isEmpty() || pdffonts.isEmpty())
        QSKIP("pdftotext and pdffonts (poppler-utils) are needed to read the printout");

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("results.pdf"));
    m_test->resultPage()->findChild<PrintQueue *>()->setPrinter(
        std::make_shared<testing::PdfReportPrinter>(file));
    MessageRecorder messages;
    print();
    QCOMPARE(messages.count(), 0);
    QVERIFY(QFileInfo(file).size() > 0);

    const QString text = run(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    const QString signature = QStringLiteral("Report Generated By " PALMORA_SITE_BASE_ADDRESS);
    QCOMPARE(text.count(signature), 2);
    QVERIFY(text.trimmed().startsWith(signature));
    QVERIFY(text.trimmed().endsWith(signature));
    QVERIFY(text.contains(QStringLiteral("10 Correct out of 10 Questions")));
    QCOMPARE(text.count(QStringLiteral("Your Answer:")), kQuestionCount);
    QCOMPARE(text.count(QStringLiteral("Correct Choice:")), kQuestionCount);
    // Every topic name of the report reaches the page.
    for (const QString &line : shownReport().split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Shape of")) || line.endsWith(QStringLiteral(" Line")))
            QVERIFY2(text.contains(line), qPrintable(line));
    }

    const QString fonts = run(pdffonts, {file});
    QVERIFY2(!fonts.isEmpty(), "pdffonts gave nothing");
    QVERIFY2(!fonts.contains(QStringLiteral("Bold"), Qt::CaseInsensitive), qPrintable(fonts));
}

void TstTestPrinting::printingTwiceGivesTheSameBuffer()
{
    QTemporaryDir folder;
    TestResultPage *page = m_test->resultPage();

    page->findChild<PrintQueue *>()->setPrinter(
        std::make_shared<testing::PdfReportPrinter>(folder.filePath(QStringLiteral("1.pdf"))));
    print();
    const QTextEdit *printBuffer = testing::namedChild<QTextEdit>(page, QStringLiteral("printBuffer"));
    const QString buffer = printBuffer->document()->toPlainText();
    const QString signature = QStringLiteral("Report Generated By " PALMORA_SITE_BASE_ADDRESS);
    QCOMPARE(buffer, signature + QStringLiteral("\n\n") + shownReport() + QStringLiteral("\n\n") + signature);

    page->findChild<PrintQueue *>()->setPrinter(
        std::make_shared<testing::PdfReportPrinter>(folder.filePath(QStringLiteral("2.pdf"))));
    print();
    QCOMPARE(printBuffer->document()->toPlainText(), buffer);
    QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("2.pdf"))).size() > 0, true);
}

void TstTestPrinting::noPrinterSaysSo_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none installed") << QStringList {} << QStringLiteral("no printer is installed");
    QTest::newRow("none is the default")
        << QStringList {QStringLiteral("Office")}
        << QStringLiteral("none of the installed printers is set as the default");
}

void TstTestPrinting::noPrinterSaysSo()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    m_test->resultPage()->findChild<PrintQueue *>()->setPrinter(std::make_shared<DefaultReportPrinter>(
        DefaultReportPrinter::Lookup {[installed] { return installed; }, [] { return QPrinterInfo(); }}));
    MessageRecorder messages;
    print();
    // The default printer is looked up beside the window, as the program prints.
    QTRY_COMPARE(messages.count(), 1);
    QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QVERIFY2(messages.last().text.contains(expected), qPrintable(messages.last().text));
    QVERIFY(messages.last().text.contains(QStringLiteral("not printed")));
}

void TstTestPrinting::jobThatCannotStartSaysSo()
{
    QTemporaryDir folder;
    const QString impossible = folder.filePath(QStringLiteral("missing/folder/results.pdf"));
    m_test->resultPage()->findChild<PrintQueue *>()->setPrinter(
        std::make_shared<testing::PdfReportPrinter>(impossible));
    MessageRecorder messages;
    print();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QVERIFY2(messages.last().text.contains(impossible), qPrintable(messages.last().text));
    QVERIFY(!QFileInfo::exists(impossible));
}

void TstTestPrinting::realJobOnTheDefaultPrinter()
{
    if (QPrinterInfo::defaultPrinter().isNull())
        QSKIP("No default printer on this machine");
    if (QStandardPaths::findExecutable(QStringLiteral("lpstat")).isEmpty())
        QSKIP("lpstat (cups-client) is needed to count finished jobs");

    // Through the page's own printer, as the program prints.
    m_test->resultPage()->findChild<PrintQueue *>()->setPrinter(nullptr);
    const QSet<QString> before = listedJobs();
    MessageRecorder messages;
    print();
    QTRY_COMPARE_WITH_TIMEOUT(listedJobs().subtract(before).size(), 1, 120000);
    QCOMPARE(messages.count(), 0);
}

namespace {

// A printer that takes its time: each print waits until the test lets it go.
class SlowPrinter final : public ReportPrinter {
public:
    PrintResult print(const QTextDocument &document, std::stop_token) override
    {
        ++m_started;
        m_go.acquire();
        const QMutexLocker lock(&m_mutex);
        m_printed.append(document.toPlainText());
        return {};
    }
    bool printsInBackground() const override { return true; }

    int started() const { return m_started; }
    void letOneGo() { m_go.release(); }
    QStringList printed() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_printed;
    }

private:
    std::atomic<int> m_started {0};
    QSemaphore m_go;
    mutable QMutex m_mutex;
    QStringList m_printed;
};

} // namespace

// The window answers while a report prints; a second print asked for meanwhile
// follows the first, once, with the report as it was asked for.
void TstTestPrinting::windowAnswersWhileAReportPrints()
{
    auto slow = std::make_shared<SlowPrinter>();
    SlowPrinter &printer = *slow;
    TestResultPage *page = m_test->resultPage();
    page->findChild<PrintQueue *>()->setPrinter(slow);
    MessageRecorder messages;
    print();
    QTRY_COMPARE(printer.started(), 1);

    // Events are handled while the printer works.
    bool timerFired = false;
    QTimer::singleShot(0, page, [&timerFired] { timerFired = true; });
    QTRY_VERIFY(timerFired);
    print();
    QCOMPARE(printer.printed().size(), 0);

    printer.letOneGo();
    QTRY_COMPARE(printer.started(), 2);
    printer.letOneGo();
    QTRY_COMPARE(printer.printed().size(), 2);
    const QStringList printed = printer.printed();
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed.at(0), printed.at(1));
    QVERIFY(printed.at(0).contains(QStringLiteral("10 Correct out of 10 Questions")));
    QCOMPARE(messages.count(), 0);
}

namespace {

// A print system that takes connections and never answers, as a hung or
// unreachable print server does: a socket that listens and never accepts.
// Closing it breaks off every connection still waiting.
class SilentPrintSystem {
public:
    SilentPrintSystem()
    {
        const QByteArray path = QFile::encodeName(m_folder.filePath(QStringLiteral("cups.sock")));
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        if (path.size() >= qsizetype(sizeof address.sun_path))
            return;
        std::copy(path.begin(), path.end(), address.sun_path);
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
            || ::listen(m_socket, 64) != 0)
            return;
        m_server = QString::fromLocal8Bit(path);
        m_oldServer = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", path);
    }
    ~SilentPrintSystem()
    {
        if (!m_server.isEmpty())
            qputenv("CUPS_SERVER", m_oldServer);
        if (m_socket >= 0)
            ::close(m_socket);
    }
    SilentPrintSystem(const SilentPrintSystem &) = delete;
    SilentPrintSystem &operator=(const SilentPrintSystem &) = delete;

    bool isListening() const { return !m_server.isEmpty(); }

private:
    QTemporaryDir m_folder;
    int m_socket = -1;
    QString m_server;
    QByteArray m_oldServer;
};

} // namespace

// A print system that never answers is given up on in bounded time, while the
// report is shown or as the window closes: the user is told the report was not
// printed and offered the PDF, and the thread still stuck in the print system
// is left to end alone.
void TstTestPrinting::silentPrintSystemIsGivenUpOn_data()
{
    QTest::addColumn<bool>("closing");
    QTest::newRow("while the report is shown") << false;
    QTest::newRow("as the window closes") << true;
}

void TstTestPrinting::silentPrintSystemIsGivenUpOn()
{
    QFETCH(bool, closing);
    QCOMPARE(PrintQueue::kPatience, std::chrono::seconds(10));
    QCOMPARE(PrintQueue::kClosingPatience, std::chrono::seconds(3));
    TestResultPage *page = m_test->resultPage();
    page->findChild<PrintQueue *>()->setPrinter(
        nullptr); // the system's own printers, through the silent print system
    page->findChild<PrintQueue *>()->setPatience(
        closing ? std::chrono::hours(1) : std::chrono::milliseconds(300),
        closing ? std::chrono::milliseconds(300) : std::chrono::hours(1));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("results.pdf"));
    MessageRecorder messages;
    {
        SilentPrintSystem printSystem;
        QVERIFY(printSystem.isListening());
        messages.queueAnswer(MessageBox::Answer::Yes);
        messages.queueSavePath(pdf);
        print();
        QCOMPARE(messages.count(), 0);
        // A second print asked for meanwhile goes with the first.
        print();
        if (closing)
            page->finishPrinting();
        // Not printed, and the PDF offered; then where the PDF went.
        QTRY_COMPARE(messages.count(), 2);
        QCOMPARE(PrintQueue::stillWaiting(), 1);
        const MessageBox::Request notPrinted = messages.requests().at(0);
        QCOMPARE(notPrinted.icon, MessageBox::Icon::Critical);
        QVERIFY2(
            notPrinted.text.contains(QStringLiteral("not printed because the print system did not answer")),
            qPrintable(notPrinted.text));
        QVERIFY(notPrinted.text.contains(QStringLiteral("PDF")));
        QCOMPARE(messages.last().icon, MessageBox::Icon::Information);
        QCOMPARE(messages.last().text, QStringLiteral("The test results were saved to %1.").arg(pdf));
        QVERIFY(QFileInfo(pdf).size() > 0);
    }
    // The print system gone, the stuck thread ends, and its end is not reported:
    // the user has been told already.
    QTRY_COMPARE(PrintQueue::stillWaiting(), 0);
    QCOMPARE(messages.count(), 2);
}

// A print system that answers only after the print was given up on: the user
// has been told the report was not printed, so none of it goes to the printer.
void TstTestPrinting::lateAnswerPrintsNothing()
{
    if (QPrinterInfo::defaultPrinter().isNull())
        QSKIP("No default printer on this machine");
    if (QStandardPaths::findExecutable(QStringLiteral("lpstat")).isEmpty())
        QSKIP("lpstat (cups-client) is needed to list the jobs");
    // The system's own printers, looked up once the test lets the answer through.
    auto answer = std::make_shared<QSemaphore>();
    TestResultPage *page = m_test->resultPage();
    page->findChild<PrintQueue *>()->setPrinter(std::make_shared<DefaultReportPrinter>(
        DefaultReportPrinter::Lookup {&QPrinterInfo::availablePrinterNames, [answer] {
                                          answer->acquire();
                                          return QPrinterInfo::defaultPrinter();
                                      }}));
    page->findChild<PrintQueue *>()->setPatience(std::chrono::milliseconds(300), std::chrono::hours(1));
    const QSet<QString> before = listedJobs(QStringLiteral("all"));
    MessageRecorder messages;
    messages.queueAnswer(MessageBox::Answer::No); // no PDF instead
    print();
    QTRY_COMPARE(messages.count(), 1);
    QVERIFY2(
        messages.last().text.contains(QStringLiteral("not printed because the print system did not answer")),
        qPrintable(messages.last().text));
    answer->release();
    // Had the thread printed, its job would be with CUPS by the time it ends.
    QTRY_COMPARE(PrintQueue::stillWaiting(), 0);
    QCOMPARE(listedJobs(QStringLiteral("all")).subtract(before), QSet<QString>());
    QCOMPARE(messages.count(), 1);
}

QTEST_MAIN(TstTestPrinting)
#include "tst_testprinting.moc"
