#include "selftest/printqueue.h"

#include "selftest/defaultreportprinter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QTextDocument>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <utility>

#include <sys/resource.h>
#include <unistd.h>

namespace palmora {

namespace {

// Prints given up on whose threads have not ended yet.
std::atomic<int> g_stillWaiting {0};

// Half way down the scale that ordinary users may move a thread on.
constexpr int kPrintNiceness = 10;

} // namespace

PrintQueue::PrintQueue(QObject *parent)
    : QObject(parent)
    , m_printer(std::make_shared<DefaultReportPrinter>())
    , m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    m_deadline->setInterval(kPatience);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (!m_job)
            return;
        abandon();
        emit gaveUp();
    });
}

PrintQueue::~PrintQueue()
{
    // The window's closing has waited for the prints as long as a user would;
    // one still on its way is stuck in the print system.
    if (m_job)
        abandon();
}

int PrintQueue::stillWaiting()
{
    return g_stillWaiting.load();
}

void PrintQueue::setPrinter(std::shared_ptr<ReportPrinter> printer)
{
    m_printer = printer ? std::move(printer) : std::make_shared<DefaultReportPrinter>();
}

void PrintQueue::setPatience(std::chrono::milliseconds patience, std::chrono::milliseconds closing)
{
    m_deadline->setInterval(patience);
    m_closingPatience = closing;
}

std::chrono::milliseconds PrintQueue::patience() const
{
    return m_deadline->intervalAsDuration();
}

void PrintQueue::print(const QTextDocument &document)
{
    if (!m_printer->printsInBackground()) {
        emit printed(m_printer->print(document, {}));
        return;
    }
    // A copy of its own, taken now, so the document can change on screen (a
    // new test) while this one waits or prints.
    m_waiting.append(document.clone(nullptr));
    if (!m_job)
        startNext();
}

void PrintQueue::startNext()
{
    QTextDocument *copy = m_waiting.takeFirst();
    auto result = std::make_shared<PrintResult>();
    m_stop = std::stop_source();
    // The job holds its printer: a job given up on may outlive the queue.
    m_job = QThread::create([printer = m_printer, copy, result, stop = m_stop.get_token()] {
        // Drawing the pages gives way to the window: on a busy machine the
        // steps the user takes meanwhile are drawn first. (Linux keeps a
        // nice value for each thread; Qt's thread priorities do not set it.)
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kPrintNiceness);
        *result = printer->print(*copy, stop);
        delete copy;
    });
    copy->moveToThread(m_job);
    connect(m_job, &QThread::finished, this, [this, result] {
        m_deadline->stop();
        m_job->deleteLater();
        m_job = nullptr;
        emit printed(*result);
        if (!m_job && !m_waiting.isEmpty())
            startNext();
    });
    m_job->start();
    m_deadline->start();
}

void PrintQueue::abandon()
{
    m_deadline->stop();
    m_stop.request_stop();
    m_job->disconnect(this);
    ++g_stillWaiting;
    QThread *job = m_job;
    // The job may have ended already, its end not yet reported (the queue
    // going just after a print): then it is let go here, since its end will
    // not be signalled again. Either way it is let go once.
    const auto letGo = [job, waiting = std::make_shared<bool>(true)] {
        if (!std::exchange(*waiting, false))
            return;
        --g_stillWaiting;
        job->deleteLater();
    };
    connect(job, &QThread::finished, job, letGo);
    if (job->isFinished())
        letGo();
    m_job = nullptr;
    qDeleteAll(std::exchange(m_waiting, {}));
}

bool PrintQueue::finish()
{
    const QDeadlineTimer deadline(m_closingPatience);
    while (m_job) {
        if (!m_job->wait(deadline)) {
            abandon();
            return false;
        }
        // The job's end is reported, and a print that waited for it started,
        // as the event loop would.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    return true;
}

} // namespace palmora
