#include "test/testresultpage.h"

#include "ui_testresultpage.h"

#include "app/messagebox.h"
#include "app/theme.h"
#include "test/reportprinter.h"
#include "web/sitepages.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QTextCursor>

namespace palmora {

namespace {

void empty_clipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

} // namespace

TestResultPage::TestResultPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestResultPage>())
    , m_defaultPrinter(std::make_unique<DefaultReportPrinter>())
    , m_printer(m_defaultPrinter.get())
{
    ui->setupUi(this);
    Theme::styleSectionFrame(this);

    // Dark text on light cyan whatever the desktop's theme says.
    Theme::setColors(ui->RTB, Qt::black, Theme::kLightCyan);
    ui->RTB->viewport()->setAutoFillBackground(true);
    ui->RTB->setFont(report_font());
    ui->RTB1->setFont(report_font());
    Theme::setColors(ui->RTB1, Qt::black, Qt::white);
    ui->RTB1->setVisible(false);
    ui->RTB->setAccessibleName(tr("Test report"));
    ui->RTB1->setAccessibleName(tr("Print buffer"));

    // Whatever the user copied elsewhere does not survive a look at the report.
    ui->RTB->viewport()->setMouseTracking(true);
    ui->RTB->viewport()->installEventFilter(this);
    connect(ui->RTB, &QTextEdit::textChanged, this, &empty_clipboard);

    connect(ui->cmdPrint, &QPushButton::clicked, this, &TestResultPage::cmdPrint_Click);
    connect(ui->cmdStartTest, &QPushButton::clicked, this, &TestResultPage::startAgainRequested);
}

TestResultPage::~TestResultPage() = default;

bool TestResultPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->RTB->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            empty_clipboard();
            break;
        default:
            break;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void TestResultPage::showReport(const TestReport &report)
{
    m_reportText = report.text;
    write_report(*ui->RTB->document(), report);
    ui->RTB->moveCursor(QTextCursor::Start);
}

QString TestResultPage::resultBoxText() const
{
    return plain_text_crlf(*ui->RTB->document());
}

QString TestResultPage::printBufferText() const
{
    return plain_text_crlf(*ui->RTB1->document());
}

void TestResultPage::setReportPrinter(ReportPrinter *printer)
{
    m_printer = printer ? printer : m_defaultPrinter.get();
}

void TestResultPage::cmdPrint_Click()
{
    // The printout carries the box's text as it stands, without the bold.
    write_plain(*ui->RTB1->document(), print_buffer_text(resultBoxText(), site_base_address()));
    ui->RTB1->moveCursor(QTextCursor::Start);

    const PrintResult result = m_printer->print(*ui->RTB1->document());
    switch (result.status) {
    case PrintResult::Status::HandedOver:
        break;
    case PrintResult::Status::NoPrinterInstalled:
        MessageBox::critical(this,
                             tr("The test results were not printed because no printer is installed "
                                "on this computer.\n\nInstall a printer, make it the default printer "
                                "and press \"Print Test Results\" again."));
        break;
    case PrintResult::Status::NoDefaultPrinter:
        MessageBox::critical(this,
                             tr("The test results were not printed because none of the installed "
                                "printers is set as the default printer.\n\nChoose a default printer "
                                "and press \"Print Test Results\" again."));
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

QTextEdit *TestResultPage::RTB() const
{
    return ui->RTB;
}

QTextEdit *TestResultPage::RTB1() const
{
    return ui->RTB1;
}

QPushButton *TestResultPage::cmdPrint() const
{
    return ui->cmdPrint;
}

QPushButton *TestResultPage::cmdStartTest() const
{
    return ui->cmdStartTest;
}

} // namespace palmora
