#pragma once

#include "selftest/reportprinter.h"
#include "selftest/testreport.h"

#include <QGroupBox>

#include <memory>

class QPushButton;
class QThread;
class QTextEdit;

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
    // The report as it was written, CR LF line ends.
    const QString &reportText() const { return m_reportText; }
    // What the result box shows, as plain text with CR LF line ends.
    QString resultBoxText() const;
    // What the last printout was composed of, CR LF line ends.
    QString printBufferText() const;

    // Composes the print buffer and prints it on the default printer. Where
    // there is none, says so and offers to save
    // the printout as a PDF file instead; the report stays on screen whatever
    // the answer. A printer that prints in the background does so while the
    // window goes on answering; a print asked for meanwhile follows it.
    void printReport();
    // Whether a print is on its way, or waiting for one that is.
    bool isPrinting() const { return m_printJob != nullptr; }

    // Printing goes here from now on; the page does not take ownership. Null
    // restores the default printer.
    void setReportPrinter(ReportPrinter *printer);

    QTextEdit *resultBox() const;
    QTextEdit *printBuffer() const;
    QPushButton *printButton() const;
    QPushButton *startAgainButton() const;

signals:
    void startAgainRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Prints the print buffer as it stands on a thread of its own.
    void startPrintJob();
    // Says what became of a print.
    void reportPrintResult(const PrintResult &result);
    // Tells why the report was not printed and asks whether to save it as a PDF.
    void offerPdf(const QString &notPrinted);
    // Asks where, then writes the print buffer there; says why when it cannot.
    void saveAsPdf();

    std::unique_ptr<Ui::TestResultPage> ui;
    std::unique_ptr<ReportPrinter> m_defaultPrinter;
    ReportPrinter *m_printer = nullptr;
    QString m_reportText;
    // The print on its way, and how many more were asked for meanwhile.
    QThread *m_printJob = nullptr;
    int m_waitingPrints = 0;
};

} // namespace palmora
