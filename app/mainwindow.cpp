#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include "common/appidentity.h"
#include "common/environment.h"
#include "common/messagebox.h"
#include "common/theme.h"
#include "goals/goalspage.h"
#include "memorize/topicbrowser.h"
#include "selftest/selftest.h"
#include "selftest/testoptionspage.h"
#include "selftest/testquestionpage.h"
#include "selftest/testresultpage.h"
#include "web/aboutdialog.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QCloseEvent>

namespace palmora {

MainWindow::MainWindow(const Environment &env, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(AppIdentity::windowCaption());
    setWindowIcon(AppIdentity::applicationIcon());
    // Fixed single border: a minimise button, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    ui->homePageLink->setText(
        tr("The Most Popular Online Vesper Discussion Forum. Click Here To Visit %1 Now.")
            .arg(siteHostName()));
    Theme::setColors(ui->homePageLink, Theme::kLinkBlue);
    Theme::setColors(ui->brandingLink, Theme::kPlum);
    for (QLabel *caption : {ui->welcomeLabel, ui->introLabel, ui->chooseLabel})
        Theme::setColors(caption, Theme::kNavy);
    m_activityChoices = {ui->memorizeChoice, ui->testChoice, ui->goalsChoice};
    for (QRadioButton *option : m_activityChoices)
        Theme::setColors(option, Theme::kPurple);

    m_browser = new TopicBrowser(m_catalogue, m_pictures);
    m_goals = new GoalsPage(env.goalFolders);
    m_selfTest = new SelfTest(m_catalogue, m_pictures, *env.random, this);
    m_sections = {m_browser,
                  m_selfTest->optionsPage(),
                  m_goals,
                  m_selfTest->questionPage(),
                  m_selfTest->resultPage(),
                  ui->startPage};
    for (QGroupBox *frame : m_sections) {
        if (frame != ui->startPage)
            ui->sectionStack->addWidget(frame);
    }

    connect(ui->proceedButton, &QPushButton::clicked, this, &MainWindow::onProceedClicked);
    connect(m_browser, &TopicBrowser::backToMainRequested, this, [this] { showStartPage(); });
    connect(m_goals, &GoalsPage::backToMainRequested, this, [this] { showStartPage(); });
    connect(m_selfTest, &SelfTest::backToMainRequested, this, [this] { showStartPage(); });
    connect(m_selfTest, &SelfTest::showPageRequested, ui->sectionStack, &QStackedWidget::setCurrentWidget);

    connect(ui->homePageLink, &ClickableLabel::clicked, this, [] { openSitePage(PageKey::HomePage); });
    connect(ui->brandingLink, &ClickableLabel::clicked, this, [] { openSitePage(PageKey::FullyBranded); });
    connect(ui->exitAction, &QAction::triggered, this, &QWidget::close);
    connect(ui->onlineHelpAction, &QAction::triggered, this, [] { openSitePage(PageKey::HelpWebPage); });
    connect(ui->visitUsAction, &QAction::triggered, this, [] { openSitePage(PageKey::HomePage); });
    connect(ui->checkUpdateAction, &QAction::triggered, this, [] { openSitePage(PageKey::DownloadWebPage); });
    connect(ui->aboutAction, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(this, &MainWindow::aboutRequested, this, [this] {
        // A fresh box each time, modal over this window. open() rather than
        // exec(): the menu's handler returns at once, so nothing that triggered
        // it (a screen reader's action, say) waits for the box to close.
        auto *about = new AboutDialog(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->open();
    });
    connect(ui->donateAction, &QAction::triggered, this, [] { openSitePage(PageKey::Donate); });
    // Switched off in the design; nothing turns it on.
    connect(ui->makeMoneyAction, &QAction::triggered, this, [] { openSitePage(PageKey::FullyBranded); });

    // Load handler.
    m_goals->loadNotes();
    m_catalogue.fill();
    m_browser->showTopic(m_browser->currentTopic());
    showSection(Section::StartPage);

    setFixedSize(sizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::showSection(Section section)
{
    ui->sectionStack->setCurrentWidget(sectionFrame(section));
}

MainWindow::Section MainWindow::currentSection() const
{
    const auto found = std::find(m_sections.begin(), m_sections.end(), ui->sectionStack->currentWidget());
    return static_cast<Section>(found - m_sections.begin());
}

void MainWindow::onProceedClicked()
{
    // The three choices lead to the first three sections, in order.
    for (std::size_t k = 0; k < m_activityChoices.size(); ++k) {
        if (m_activityChoices[k]->isChecked()) {
            showSection(static_cast<Section>(k));
            return;
        }
    }
    MessageBox::critical(this, tr("Please select an option"));
}

void MainWindow::showStartPage()
{
    showSection(Section::StartPage);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close is never refused; whoever listens takes over from here.
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        emit unloading();
    }
}

} // namespace palmora
