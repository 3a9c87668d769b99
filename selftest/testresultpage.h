#pragma once

#include "selftest/testreport.h"

#include <QGroupBox>

#include <memory>

class QPushButton;
class QTextEdit;

namespace Ui {
class TestResultPage;
}

namespace palmora {

class ReportPrinter;

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

    // Composes the print buffer and prints it; says so when it cannot.
    void printReport();

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
    std::unique_ptr<Ui::TestResultPage> ui;
    std::unique_ptr<ReportPrinter> m_defaultPrinter;
    ReportPrinter *m_printer = nullptr;
    QString m_reportText;
};

} // namespace palmora
