#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include "common/environment.h"
#include "goals/goalspage.h"
#include "memorize/topicbrowser.h"
#include "record/progresspage.h"
#include "record/resultstore.h"
#include "record/topicrecords.h"
#include "selftest/selftest.h"
#include "selftest/testoptionspage.h"
#include "selftest/testquestionpage.h"
#include "selftest/testresultpage.h"
#include "ui/accesskeys.h"
#include "ui/afterdrawing.h"
#include "ui/appidentity.h"
#include "ui/fontfit.h"
#include "ui/messagebox.h"
#include "ui/theme.h"
#include "web/aboutdialog.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace palmora {

MainWindow::MainWindow(const Environment &env, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
    , m_random(env.random)
    , m_results(env.resultHistoryPath.isEmpty() ? nullptr
                                                : std::make_shared<ResultStore>(env.resultHistoryPath))
    , m_goalNotes(std::in_place, env.goalFolders)
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
    // A translation, or a font wider than Verdana, may need more lines than
    // the links have room for.
    fitLabelText(*ui->homePageLink);
    fitLabelText(*ui->brandingLink);
    for (QLabel *caption : {ui->welcomeLabel, ui->introLabel, ui->chooseLabel})
        Theme::setColors(caption, Theme::kNavy);
    m_activityChoices = {ui->memorizeChoice, ui->testChoice, ui->goalsChoice};
    m_activities = new QButtonGroup(this);
    for (std::size_t k = 0; k < m_activityChoices.size(); ++k) {
        m_activities->addButton(m_activityChoices[k], static_cast<int>(k));
        Theme::setColors(m_activityChoices[k], Theme::kPurple);
        // Once the choice is drawn, its section is made ready while the user
        // moves on to Proceed.
        connect(m_activityChoices[k], &QRadioButton::toggled, this, [this, k](bool chosen) {
            if (chosen)
                AfterDrawing::run(m_activityChoices[k], this,
                                  [this, k] { prepareSection(static_cast<Section>(k)); });
        });
    }

    m_sections[static_cast<std::size_t>(Section::StartPage)] = ui->startPage;

    connect(ui->proceedButton, &QPushButton::clicked, this, &MainWindow::onProceedClicked);
    connect(ui->homePageLink, &ClickableLabel::clicked, this, [] { openSitePage(PageKey::HomePage); });
    connect(ui->brandingLink, &ClickableLabel::clicked, this, [] { openSitePage(PageKey::FullyBranded); });
    connect(ui->exitAction, &QAction::triggered, this, &QWidget::close);
    connect(ui->fileMenu, &QMenu::aboutToShow, this,
            [this] { AfterDrawing::run(ui->fileMenu, this, [this] { emit fileMenuShown(); }); });
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

    // The goal notes are made where missing and read as the window opens.
    m_goalNotes->load();
    showSection(Section::StartPage);

    setFixedSize(sizeHint());
    // Key events reach the application's filters before the widget with the focus.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

QGroupBox *MainWindow::sectionFrame(Section section)
{
    switch (section) {
    case Section::TopicBrowser:
        return topicBrowser();
    case Section::Goals:
        return goalsPage();
    case Section::TestOptions:
    case Section::TestQuestion:
    case Section::TestResult:
    case Section::Progress:
        selfTest();
        break;
    case Section::StartPage:
        break;
    }
    return m_sections.at(static_cast<std::size_t>(section));
}

TopicBrowser *MainWindow::topicBrowser()
{
    if (!m_browser) {
        m_browser = new TopicBrowser(m_catalogue, m_pictures);
        connect(m_browser, &TopicBrowser::backToMainRequested, this, [this] { showStartPage(); });
        if (m_results) {
            m_browser->setRecordLookup([results = m_results](TopicIndex topic) {
                const ResultHistory::Result &read = results->results();
                return read.ok ? TopicRecords(read.results).recordLine(topic)
                               : TopicRecords::unreadableLine(read.error);
            });
        }
        m_browser->showTopic(m_browser->currentTopic());
        addSection(Section::TopicBrowser, m_browser);
    }
    return m_browser;
}

GoalsPage *MainWindow::goalsPage()
{
    if (!m_goals) {
        m_goals = new GoalsPage(std::move(*m_goalNotes));
        m_goalNotes.reset();
        connect(m_goals, &GoalsPage::backToMainRequested, this, [this] { showStartPage(); });
        addSection(Section::Goals, m_goals);
    }
    return m_goals;
}

SelfTest *MainWindow::selfTest()
{
    if (!m_selfTest) {
        m_selfTest = new SelfTest(m_catalogue, m_pictures, *m_random, this);
        m_selfTest->setResultStore(m_results);
        connect(m_selfTest, &SelfTest::backToMainRequested, this, [this] { showStartPage(); });
        connect(m_selfTest, &SelfTest::showPageRequested, ui->sectionStack,
                &QStackedWidget::setCurrentWidget);
        addSection(Section::TestOptions, m_selfTest->optionsPage());
        addSection(Section::TestQuestion, m_selfTest->questionPage());
        addSection(Section::TestResult, m_selfTest->resultPage());
        addSection(Section::Progress, m_selfTest->progressPage());
    }
    return m_selfTest;
}

void MainWindow::prepareSection(Section section)
{
    if (m_sections.at(static_cast<std::size_t>(section)))
        return;
    // Built, laid out and drawn once off screen: the fonts and pictures it shows
    // are loaded and their glyphs made, so showing it only draws.
    sectionFrame(section)->grab();
}

void MainWindow::addSection(Section section, QGroupBox *frame)
{
    m_sections.at(static_cast<std::size_t>(section)) = frame;
    // The stack lowers a new page beneath the others, which repaints the
    // window wherever the page stands, hidden or not; with no size yet, it
    // stands nowhere.
    const QSize size = frame->size();
    frame->setGeometry(QRect());
    ui->sectionStack->addWidget(frame);
    frame->resize(size);
}

void MainWindow::showSection(Section section)
{
    QWidget *frame = sectionFrame(section);
    ui->sectionStack->setCurrentWidget(frame);
    // A frame that put the focus on one of its controls as it was shown keeps
    // it there; the others give it to their first control, wherever it was (a
    // link beside the pages, say).
    if (QWidget *focus = focusWidget(); focus && frame->isAncestorOf(focus))
        return;
    for (QWidget *next = frame->nextInFocusChain(); next != frame; next = next->nextInFocusChain()) {
        if (!frame->isAncestorOf(next))
            break;
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(frame)) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

MainWindow::Section MainWindow::currentSection() const
{
    const QWidget *current = ui->sectionStack->currentWidget();
    const auto found = std::find(m_sections.begin(), m_sections.end(), current);
    return static_cast<Section>(found - m_sections.begin());
}

void MainWindow::onProceedClicked()
{
    // The three choices lead to the first three sections, in order.
    if (const int chosen = m_activities->checkedId(); chosen >= 0)
        showSection(static_cast<Section>(chosen));
    else
        MessageBox::critical(this, tr("Please select an option"));
}

void MainWindow::showStartPage()
{
    showSection(Section::StartPage);
}

QAbstractButton *MainWindow::pageButtonForAccessKey(const QKeyEvent *key) const
{
    if (key->modifiers() != Qt::AltModifier)
        return nullptr;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
    // Qt counts a menu title among the owners of its access key even while the
    // menu is switched off, and a key with two owners only moves the focus.
    const QList<QAction *> titles = menuBar()->actions();
    const bool takenBySwitchedOffTitle = std::any_of(titles.begin(), titles.end(), [&](const QAction *title) {
        return !title->isEnabled() && QKeySequence::mnemonic(title->text()) == pressed;
    });
    if (!takenBySwitchedOffTitle)
        return nullptr;
    const QList<QAbstractButton *> buttons =
        ui->sectionStack->currentWidget()->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->isVisible() && button->isEnabled() && QKeySequence::mnemonic(button->text()) == pressed)
            return button;
    }
    return nullptr;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // An access key of the page in front wins over a switched-off menu title:
    // the key is kept from the shortcut map and presses the page's button.
    const bool keyEvent = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (keyEvent && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this) {
        if (QAbstractButton *button = pageButtonForAccessKey(static_cast<QKeyEvent *>(event))) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                AccessKeys::click(button);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Typed text is never dropped without a word: the note is shown and the
    // user asked; Cancel keeps the window.
    if (!m_unloaded && m_goals && m_goals->hasUnsavedChanges()) {
        showSection(Section::Goals);
        if (!m_goals->closeWithoutLoss()) {
            event->ignore();
            return;
        }
    }
    // Past this point the close is never refused; whoever listens takes over.
    event->accept();
    if (!m_unloaded) {
        if (m_selfTest)
            m_selfTest->resultPage()->finishPrinting();
        m_unloaded = true;
        emit unloading();
    }
}

} // namespace palmora
