#pragma once

#include "selftest/printqueue.h"
#include "selftest/testreport.h"

#include <QGroupBox>

#include <memory>

namespace Ui {
class TestResultPage;
}

namespace palmora {

// "Test Result": the report of the last finished test, its printout and the way
// back to a new test.
class TestResultPage : public QGroupBox {
    Q_OBJECT
public:
    explicit TestResultPage(QWidget *parent = nullptr);
    ~TestResultPage() override;

    // Replaces whatever the result box held with this report.
    void showReport(const TestReport &report);
    // Made ready off screen, once, while a test is taken: laid out at its
    // size, and the report's faces loaded with their glyphs made, so that the
    // first report is laid out once and shows at the speed of the others.
    void prepare();
    // Offers a test of the topics the report's test missed; none, no offer.
    void offerMissedTest(int missedCount);
    // For the page's window closing: waits a few seconds at most for the
    // prints asked for, and tells the user of any that did not get through.
    void finishPrinting();

signals:
    void startAgainRequested();
    void missedTestRequested();
    void progressRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // "Print Test Results": writes the report shown into the print buffer and
    // prints it on the default printer. Where there is none, says so and offers
    // to save the printout as a PDF file instead; the report stays on screen
    // whatever the answer. A printer that prints in the background does so while
    // the window goes on answering; a print asked for meanwhile follows it. A
    // print system that has not answered within the print patience is given up
    // on: the user is told the report was not printed and offered the PDF.
    void printReport();
    // Says what became of a print.
    void reportPrintResult(const PrintResult &result);
    // Tells why the report was not printed and asks whether to save it as a PDF.
    void offerPdf(const QString &notPrinted);
    // Asks where, then writes the print buffer there; says why when it cannot.
    void saveAsPdf();

    std::unique_ptr<Ui::TestResultPage> ui;
    PrintQueue *m_printQueue = nullptr;
    bool m_prepared = false;
    // What the result box shows, for the printout.
    TestReport m_report;
};

} // namespace palmora
