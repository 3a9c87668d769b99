#include "app/frmmain.h"

#include "ui_frmmain.h"

#include "app/environment.h"
#include "app/frmstartup.h"
#include "app/messagebox.h"
#include "app/theme.h"
#include "goals/goalspage.h"
#include "memorize/topicbrowser.h"
#include "test/selftest.h"
#include "test/testoptionspage.h"
#include "test/testquestionpage.h"
#include "test/testresultpage.h"
#include "web/frmabout.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QCloseEvent>

namespace palmora {

FrmMain::FrmMain(const Environment &env, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::FrmMain>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(FrmStartup::windowCaption());
    setWindowIcon(FrmStartup::applicationIcon());
    // Fixed single border: a minimise button, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    ui->Label14->setText(tr("The Most Popular Online Vesper Discussion Forum. Click Here To Visit %1 Now.")
                             .arg(site_host_name()));
    Theme::setColors(ui->Label14, Theme::kLinkBlue);
    Theme::setColors(ui->Label7, Theme::kPlum);
    for (QLabel *caption : {ui->lblCaption_2, ui->lblCaption_3, ui->lblCaption_4})
        Theme::setColors(caption, Theme::kNavy);
    m_optOption = {ui->optOption_0, ui->optOption_1, ui->optOption_2};
    for (QRadioButton *option : m_optOption)
        Theme::setColors(option, Theme::kPurple);

    m_browser = new TopicBrowser(m_catalogue, m_pictures);
    m_goals = new GoalsPage(env.goalFolder);
    m_selfTest = new SelfTest(m_catalogue, m_pictures, *env.random, this);
    m_fraOption = {m_browser,
                   m_selfTest->optionsPage(),
                   m_goals,
                   m_selfTest->questionPage(),
                   m_selfTest->resultPage(),
                   ui->fraOption_5};
    for (int k = 0; k < kStartPage; ++k)
        ui->stkSections->addWidget(m_fraOption[k]);

    connect(ui->cmdProceed, &QPushButton::clicked, this, &FrmMain::cmdProceed_Click);
    connect(m_browser, &TopicBrowser::backToMainRequested, this, [this] { cmdBackToMain_Click(0); });
    connect(m_goals, &GoalsPage::backToMainRequested, this, [this] { cmdBackToMain_Click(1); });
    connect(m_selfTest, &SelfTest::backToMainRequested, this, [this] { cmdBackToMain_Click(2); });
    connect(m_selfTest, &SelfTest::showSectionRequested, this, &FrmMain::show_section);

    connect(ui->Label14, &ClickableLabel::clicked, this, [] { open_site_page(PageKey::HomePage); });
    connect(ui->Label7, &ClickableLabel::clicked, this, [] { open_site_page(PageKey::FullyBranded); });
    connect(ui->mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(ui->mnuOnline, &QAction::triggered, this, [] { open_site_page(PageKey::HelpWebPage); });
    connect(ui->mnuVisit, &QAction::triggered, this, [] { open_site_page(PageKey::HomePage); });
    connect(ui->mnuUpdate, &QAction::triggered, this, [] { open_site_page(PageKey::DownloadWebPage); });
    connect(ui->mnuAbout, &QAction::triggered, this, &FrmMain::aboutRequested);
    connect(this, &FrmMain::aboutRequested, this, [this] {
        // A fresh box each time, modal over this window. open() rather than
        // exec(): the menu's handler returns at once, so nothing that triggered
        // it (a screen reader's action, say) waits for the box to close.
        auto *about = new FrmAbout(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->open();
    });
    connect(ui->mnuDonate, &QAction::triggered, this, [] { open_site_page(PageKey::Donate); });
    // Switched off in the design; nothing turns it on.
    connect(ui->mnuMakeMoney, &QAction::triggered, this, [] { open_site_page(PageKey::FullyBranded); });

    // Load handler.
    m_goals->load_goal_notes();
    m_catalogue.fill_topic_catalogue();
    m_browser->show_topic(m_browser->currentTopic());
    show_section(kStartPage);

    setFixedSize(sizeHint());
}

FrmMain::~FrmMain() = default;

void FrmMain::show_section(int k)
{
    if (k < 0 || k >= static_cast<int>(m_fraOption.size()))
        return;
    ui->stkSections->setCurrentWidget(m_fraOption[k]);
}

int FrmMain::currentSection() const
{
    const auto found = std::find(m_fraOption.begin(), m_fraOption.end(), ui->stkSections->currentWidget());
    return found == m_fraOption.end() ? -1 : static_cast<int>(found - m_fraOption.begin());
}

void FrmMain::cmdProceed_Click()
{
    for (int k = 0; k < static_cast<int>(m_optOption.size()); ++k) {
        if (m_optOption[k]->isChecked()) {
            show_section(k);
            return;
        }
    }
    MessageBox::critical(this, tr("Please select an option"));
}

void FrmMain::cmdBackToMain_Click(int /*index*/)
{
    show_section(kStartPage);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // The close is never refused; whoever listens takes over from here.
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        emit unloading();
    }
}

} // namespace palmora
