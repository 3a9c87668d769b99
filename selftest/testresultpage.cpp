#include "selftest/testresultpage.h"

#include "ui_testresultpage.h"

#include "common/buildinfo.h"
#include "ui/fontfit.h"
#include "ui/messagebox.h"
#include "ui/palmorastyle.h"
#include "ui/savedialog.h"
#include "ui/theme.h"
#include "selftest/defaultreportprinter.h"
#include "selftest/reportpdf.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>
#include <utility>

#include <sys/resource.h>
#include <unistd.h>

namespace palmora {

namespace {

// Prints given up on whose threads have not ended yet.
std::atomic<int> g_printsStillWaiting {0};

// Half way down the scale that ordinary users may move a thread on.
constexpr int kPrintNiceness = 10;

void emptyClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    // A Wayland clipboard belongs to a seat (the user's keyboard and pointer);
    // with nothing on it there is nothing to drop, and a compositor without a
    // seat has no clipboard at all: Qt would only warn on the terminal. What an
    // X clipboard holds is not asked: that is a round trip to its owner for
    // every mouse move over the report.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        const QMimeData *held = clipboard->mimeData();
        if (!held || held->formats().isEmpty())
            return;
    }
    clipboard->clear();
}

} // namespace

TestResultPage::TestResultPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestResultPage>())
    , m_printer(std::make_shared<DefaultReportPrinter>())
    , m_printDeadline(new QTimer(this))
{
    ui->setupUi(this);
    PalmoraStyle::markSectionFrame(this);

    // Dark text on light cyan whatever the desktop's theme says.
    Theme::setColors(ui->resultBox, Qt::black, Theme::kLightCyan);
    ui->resultBox->viewport()->setAutoFillBackground(true);
    // Plain Latin text needs no shaping engine; it is the costliest part of
    // laying out a report on screen. Scripts that need shaping still get it.
    QFont screenFont = reportFont();
    screenFont.setStyleStrategy(QFont::PreferNoShaping);
    ui->resultBox->setFont(screenFont);
    ui->printBuffer->setFont(reportFont());
    Theme::setColors(ui->printBuffer, Qt::black, Qt::white);
    ui->printBuffer->setVisible(false);
    ui->resultBox->setAccessibleName(tr("Test report"));
    ui->printBuffer->setAccessibleName(tr("Print buffer"));

    // Whatever the user copied elsewhere does not survive a look at the report.
    ui->resultBox->viewport()->setMouseTracking(true);
    ui->resultBox->viewport()->installEventFilter(this);
    connect(ui->resultBox, &QPlainTextEdit::textChanged, this, &emptyClipboard);

    m_printDeadline->setSingleShot(true);
    m_printDeadline->setInterval(kPrintPatience);
    connect(m_printDeadline, &QTimer::timeout, this, &TestResultPage::onPrintSystemSilent);

    connect(ui->printButton, &QPushButton::clicked, this, &TestResultPage::printReport);
    connect(ui->startAgainButton, &QPushButton::clicked, this, &TestResultPage::startAgainRequested);
    connect(ui->progressButton, &QPushButton::clicked, this, &TestResultPage::progressRequested);

    // A translation longer than the button's place is set a little smaller.
    ui->repeatMissedButton->setFont(fontToFit(ui->repeatMissedButton->font(), ui->repeatMissedButton->text(),
                                              ui->repeatMissedButton->width() - 12));
    connect(ui->repeatMissedButton, &QPushButton::clicked, this, &TestResultPage::missedTestRequested);
}

TestResultPage::~TestResultPage()
{
    // The window's closing has waited for the prints as long as a user would;
    // one still on its way is stuck in the print system.
    if (m_printJob)
        abandonPrintJob();
}

int TestResultPage::printsStillWaiting()
{
    return g_printsStillWaiting.load();
}

bool TestResultPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->resultBox->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            emptyClipboard();
            break;
        default:
            break;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void TestResultPage::showReport(const TestReport &report)
{
    writeReport(*ui->resultBox->document(), report);
    ui->resultBox->moveCursor(QTextCursor::Start);
}

void TestResultPage::prepare()
{
    if (m_prepared)
        return;
    m_prepared = true;
    // Every letter a report is likely to hold, plain and bold as it shows
    // them, drawn where nobody sees it, at the box's resolution.
    QString letters;
    for (char16_t c = u'!'; c <= u'~'; ++c)
        letters += QChar(c);
    for (char16_t c = u'\u00a1'; c <= u'\u00ff'; ++c)
        letters += QChar(c);
    QTextDocument sample;
    sample.documentLayout()->setPaintDevice(ui->resultBox->viewport());
    sample.setDefaultFont(ui->resultBox->document()->defaultFont());
    const auto length = static_cast<int>(letters.size());
    writeReport(sample, {letters + letters, {{length, length}}, 0});
    QImage canvas(sample.size().toSize() * ui->resultBox->devicePixelRatio(),
                  QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ui->resultBox->devicePixelRatio());
    QPainter painter(&canvas);
    sample.drawContents(&painter);
    painter.end();
    // Polished and laid out as on screen: the box's text area takes its size.
    grab();
}

void TestResultPage::offerMissedTest(int missedCount)
{
    ui->repeatMissedButton->setVisible(missedCount > 0);
}

void TestResultPage::setReportPrinter(std::shared_ptr<ReportPrinter> printer)
{
    m_printer = printer ? std::move(printer) : std::make_shared<DefaultReportPrinter>();
}

void TestResultPage::setPrintPatience(std::chrono::milliseconds patience, std::chrono::milliseconds closing)
{
    m_printDeadline->setInterval(patience);
    m_closingPatience = closing;
}

void TestResultPage::printReport()
{
    // The printout carries the box's text as it stands, without the bold.
    writePlain(*ui->printBuffer->document(),
               composePrintBuffer(plainTextCrlf(*ui->resultBox->document()),
                                  QStringLiteral(PALMORA_SITE_BASE_ADDRESS)));
    ui->printBuffer->moveCursor(QTextCursor::Start);

    if (!m_printer->printsInBackground()) {
        reportPrintResult(m_printer->print(*ui->printBuffer->document(), {}));
        return;
    }
    if (m_printJob) {
        ++m_waitingPrints;
        return;
    }
    startPrintJob();
}

void TestResultPage::startPrintJob()
{
    // The thread prints a copy of its own, taken now, so the report can change
    // on screen (a new test) while this one prints.
    QTextDocument *copy = ui->printBuffer->document()->clone(nullptr);
    auto result = std::make_shared<PrintResult>();
    m_printStop = std::stop_source();
    // The job holds its printer: a job given up on may outlive the page.
    m_printJob = QThread::create([printer = m_printer, copy, result, stop = m_printStop.get_token()] {
        // Drawing the pages gives way to the window: on a busy machine the
        // steps the user takes meanwhile are drawn first. (Linux keeps a
        // nice value for each thread; Qt's thread priorities do not set it.)
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kPrintNiceness);
        *result = printer->print(*copy, stop);
        delete copy;
    });
    copy->moveToThread(m_printJob);
    connect(m_printJob, &QThread::finished, this, [this, result] {
        m_printDeadline->stop();
        m_printJob->deleteLater();
        m_printJob = nullptr;
        reportPrintResult(*result);
        if (m_waitingPrints > 0 && !m_printJob) {
            --m_waitingPrints;
            startPrintJob();
        }
    });
    m_printJob->start();
    m_printDeadline->start();
}

void TestResultPage::abandonPrintJob()
{
    m_printDeadline->stop();
    m_printStop.request_stop();
    m_printJob->disconnect(this);
    ++g_printsStillWaiting;
    QThread *job = m_printJob;
    // The job may have ended already, its end not yet reported (the page going
    // just after a print): then it is let go here, since its end will not be
    // signalled again. Either way it is let go once.
    const auto letGo = [job, waiting = std::make_shared<bool>(true)] {
        if (!std::exchange(*waiting, false))
            return;
        --g_printsStillWaiting;
        job->deleteLater();
    };
    connect(job, &QThread::finished, job, letGo);
    if (job->isFinished())
        letGo();
    m_printJob = nullptr;
    m_waitingPrints = 0;
}

void TestResultPage::onPrintSystemSilent()
{
    if (!m_printJob)
        return;
    abandonPrintJob();
    offerPdf(tr("The test results were not printed because the print system did not answer within "
                "%n seconds. To print them, check that the printer and the print system are running and "
                "press \"Print Test Results\" again.",
                nullptr, static_cast<int>(m_printDeadline->interval() / 1000)));
}

void TestResultPage::finishPrinting()
{
    const QDeadlineTimer deadline(m_closingPatience);
    while (m_printJob) {
        if (!m_printJob->wait(deadline)) {
            abandonPrintJob();
            offerPdf(tr("The test results were not printed because the print system did not answer."));
            return;
        }
        // The job's end is reported, and a print that waited for it started,
        // as the event loop would.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

void TestResultPage::reportPrintResult(const PrintResult &result)
{
    switch (result.status) {
    case PrintResult::Status::HandedOver:
    case PrintResult::Status::Abandoned: // the user has been told already
        break;
    case PrintResult::Status::NoPrinterInstalled:
        offerPdf(tr("The test results were not printed because no printer is installed on this "
                    "computer. To print them, install a printer, make it the default printer and "
                    "press \"Print Test Results\" again."));
        break;
    case PrintResult::Status::NoDefaultPrinter:
        offerPdf(tr("The test results were not printed because none of the installed printers is "
                    "set as the default printer. To print them, choose a default printer and press "
                    "\"Print Test Results\" again."));
        break;
    case PrintResult::Status::NotStarted:
        MessageBox::critical(this,
                             tr("The test results were not printed: the printer \"%1\" did not accept "
                                "the print job.\n\nCheck that the printer is ready and press \"Print "
                                "Test Results\" again.")
                                 .arg(result.printerName));
        break;
    }
}

void TestResultPage::offerPdf(const QString &notPrinted)
{
    const QString question = notPrinted + QStringLiteral("\n\n")
        + tr("Do you want to save the test results as a PDF file instead?");
    if (MessageBox::question(this, question, MessageBox::Icon::Critical) == MessageBox::Answer::Yes)
        saveAsPdf();
}

void TestResultPage::saveAsPdf()
{
    const QString folder = reportPdfFolder(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
    const QString path = SaveDialog::askPath(this, tr("Save Test Results as PDF"),
                                             QDir(folder).filePath(reportPdfFileName(QDate::currentDate())),
                                             tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const PdfSaveResult saved = saveReportPdf(*ui->printBuffer->document(), path);
    if (saved.ok) {
        MessageBox::information(this,
                                tr("The test results were saved to %1.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    {
        MessageBox::critical(this,
                             tr("The test results could not be saved to %1.\n\n%2\n\nNothing was written "
                                "there and the results are still here, so you can try again.")
                                 .arg(QDir::toNativeSeparators(path), saved.error));
    }
}

} // namespace palmora
