#pragma once

#include "selftest/reportprinter.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <stop_token>

class QThread;
class QTimer;

namespace palmora {

// Prints documents one after another, each on a thread of its own, so the
// window keeps answering while a print system takes its time. A printer that
// cannot print in the background prints at once. A print system that does not
// answer within the patience is given up on: its thread is left to end alone.
class PrintQueue : public QObject {
    Q_OBJECT
public:
    // How long a print system has to answer.
    static constexpr std::chrono::milliseconds kPatience {10'000};
    // How long finish() waits for the prints asked for.
    static constexpr std::chrono::milliseconds kClosingPatience {3'000};

    explicit PrintQueue(QObject *parent = nullptr);
    ~PrintQueue() override;

    // Printing goes here from now on; a print on its way keeps the printer it
    // started with. Null restores the default printer.
    void setPrinter(std::shared_ptr<ReportPrinter> printer);
    void setPatience(std::chrono::milliseconds patience, std::chrono::milliseconds closing);
    std::chrono::milliseconds patience() const;

    // Prints a copy of `document` taken now, after the print on its way.
    void print(const QTextDocument &document);
    // For the window closing: waits the closing patience at most for the
    // prints asked for; gives up on the one on its way then, and returns false.
    bool finish();

    // Prints given up on whose threads still wait for the print system. The
    // program ends without waiting for them.
    static int stillWaiting();

signals:
    // What became of a print.
    void printed(const palmora::PrintResult &result);
    // The print on its way was given up on: the print system did not answer
    // within the patience.
    void gaveUp();

private:
    void startNext();
    void abandon();

    std::shared_ptr<ReportPrinter> m_printer;
    // The print on its way, and the copies asked for meanwhile.
    QThread *m_job = nullptr;
    std::stop_source m_stop;
    QTimer *m_deadline = nullptr;
    std::chrono::milliseconds m_closingPatience = kClosingPatience;
    QList<QTextDocument *> m_waiting;
};

} // namespace palmora
