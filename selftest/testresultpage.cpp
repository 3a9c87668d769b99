#include "selftest/testresultpage.h"

#include "ui_testresultpage.h"

#include "common/buildinfo.h"
#include "selftest/reportpdf.h"
#include "ui/fontfit.h"
#include "ui/messagebox.h"
#include "ui/palmorastyle.h"
#include "ui/savedialog.h"
#include "ui/theme.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace palmora {

namespace {

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
    , m_printQueue(new PrintQueue(this))
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

    connect(m_printQueue, &PrintQueue::printed, this, &TestResultPage::reportPrintResult);
    connect(m_printQueue, &PrintQueue::gaveUp, this, [this] {
        offerPdf(tr("The test results were not printed because the print system did not answer within "
                    "%n seconds. To print them, check that the printer and the print system are running and "
                    "press \"Print Test Results\" again.",
                    nullptr, static_cast<int>(m_printQueue->patience() / std::chrono::seconds(1))));
    });

    connect(ui->printButton, &QPushButton::clicked, this, &TestResultPage::printReport);
    connect(ui->startAgainButton, &QPushButton::clicked, this, &TestResultPage::startAgainRequested);
    connect(ui->progressButton, &QPushButton::clicked, this, &TestResultPage::progressRequested);

    // A translation longer than the button's place is set a little smaller.
    ui->repeatMissedButton->setFont(fontToFit(ui->repeatMissedButton->font(), ui->repeatMissedButton->text(),
                                              ui->repeatMissedButton->width() - 12));
    connect(ui->repeatMissedButton, &QPushButton::clicked, this, &TestResultPage::missedTestRequested);
}

TestResultPage::~TestResultPage() = default;

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
    m_report = report;
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

void TestResultPage::printReport()
{
    // The printout carries the report the box shows, without the bold.
    writePrintout(*ui->printBuffer->document(), m_report, QStringLiteral(PALMORA_SITE_BASE_ADDRESS));
    ui->printBuffer->moveCursor(QTextCursor::Start);
    m_printQueue->print(*ui->printBuffer->document());
}

void TestResultPage::finishPrinting()
{
    if (!m_printQueue->finish())
        offerPdf(tr("The test results were not printed because the print system did not answer."));
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
    const Outcome saved = saveReportPdf(*ui->printBuffer->document(), path);
    if (saved.ok) {
        MessageBox::information(this,
                                tr("The test results were saved to %1.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    MessageBox::critical(this,
                         tr("The test results could not be saved to %1.\n\n%2\n\nNothing was written "
                            "there and the results are still here, so you can try again.")
                             .arg(QDir::toNativeSeparators(path), saved.error));
}

} // namespace palmora
