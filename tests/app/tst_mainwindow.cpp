#include "app/mainwindow.h"
#include "common/buildinfo.h"
#include "ui/accesskeys.h"
#include "ui/clickablelabel.h"
#include "ui/keyboardnavigation.h"
#include "ui/palmorastyle.h"

#include "filebytes.h"
#include "memorize/topicbrowser.h"
#include "messagerecorder.h"
#include "namedchild.h"
#include "pdfreportprinter.h"
#include "selftest/selftest.h"
#include "selftest/testoptionspage.h"
#include "selftest/testquestionpage.h"
#include "selftest/testresultpage.h"
#include "testenvironment.h"
#include "urlrecorder.h"
#include "web/aboutdialog.h"
#include "web/exitscreen.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace palmora;

class TstMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnStartPageWithNothingSelected();
    void frameCaptions_data();
    void frameCaptions();
    void proceedWithoutOptionAsksForOne();
    void proceedOpensChosenSection_data();
    void proceedOpensChosenSection();
    void choicesTakeTheKeys_data();
    void choicesTakeTheKeys();
    void selfTestFramesFollowTheTest();
    void backToMainKeepsStateOfStartPageAndSection();
    void sectionsAreBuiltWhenFirstShown();
    void menuItemsOpenTheirPages_data();
    void menuItemsOpenTheirPages();
    void linkLabelsOpenTheirPages_data();
    void linkLabelsOpenTheirPages();
    void browserSaysWhyItShowsNoRecord();
    void makeMoneyCannotBeChosen();
    void everyAccessKeyPressesItsButton_data();
    void everyAccessKeyPressesItsButton();
    void everyTabStopShowsWhereItIs_data();
    void everyTabStopShowsWhereItIs();
    void fixedSizeAndCaption();
    void helpMenuShowsAFreshModalBoxEachTime();
    void closingAnnouncesUnloadOnce();
    void closingAsksAboutUnsavedNotes_data();
    void closingAsksAboutUnsavedNotes();

private:
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    template<typename T> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    QWidget *frontFrame() const { return child<QStackedWidget>("sectionStack")->currentWidget(); }

    std::unique_ptr<testing::TestEnvironment> m_env;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<testing::MessageRecorder> m_messages;
    std::unique_ptr<testing::UrlRecorder> m_urls;
};

// Access keys act as the program makes them act.
void TstMainWindow::initTestCase()
{
    AccessKeys::install(*qApp);
    KeyboardNavigation::install(*qApp);
    QApplication::setStyle(new PalmoraStyle);
}

void TstMainWindow::init()
{
    m_env = std::make_unique<testing::TestEnvironment>();
    m_messages = std::make_unique<testing::MessageRecorder>();
    m_urls = std::make_unique<testing::UrlRecorder>();
    m_window = std::make_unique<MainWindow>(m_env->env);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TstMainWindow::cleanup()
{
    m_window.reset();
    m_urls.reset();
    m_messages.reset();
    m_env.reset();
}

void TstMainWindow::opensOnStartPageWithNothingSelected()
{
    QCOMPARE(m_window->currentSection(), MainWindow::Section::StartPage);
    for (const char *name : {"memorizeChoice", "testChoice", "goalsChoice"}) {
        auto *option = child<QRadioButton>(name);
        QVERIFY(option);
        QVERIFY(!option->isChecked());
    }
    QCOMPARE(m_messages->count(), 0);
}

void TstMainWindow::frameCaptions_data()
{
    QTest::addColumn<MainWindow::Section>("section");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("browser") << MainWindow::Section::TopicBrowser << "topicBrowser"
                             << "Memorize Palmistry";
    QTest::newRow("options") << MainWindow::Section::TestOptions << "testOptionsPage"
                             << "Test Options";
    QTest::newRow("goals") << MainWindow::Section::Goals << "goalsPage"
                           << "Goal";
    QTest::newRow("question") << MainWindow::Section::TestQuestion << "testQuestionPage"
                              << "Test";
    QTest::newRow("result") << MainWindow::Section::TestResult << "testResultPage"
                            << "Test Result";
    QTest::newRow("start page") << MainWindow::Section::StartPage << "startPage"
                                << "";
}

void TstMainWindow::frameCaptions()
{
    QFETCH(MainWindow::Section, section);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    m_window->showSection(section);
    QCOMPARE(m_window->currentSection(), section);
    auto *frame = m_window->findChild<QGroupBox *>(name);
    QVERIFY(frame);
    QCOMPARE(frontFrame(), frame);
    QCOMPARE(frame->title(), caption);
    QVERIFY(frame->isVisible());
}

void TstMainWindow::proceedWithoutOptionAsksForOne()
{
    QTest::mouseClick(child<QPushButton>("proceedButton"), Qt::LeftButton);
    QCOMPARE(m_messages->texts(), QStringList {QStringLiteral("Please select an option")});
    QCOMPARE(m_messages->last().icon, MessageBox::Icon::Critical);
    QCOMPARE(m_messages->last().title, QStringLiteral("Palmora"));
    QCOMPARE(m_window->currentSection(), MainWindow::Section::StartPage);
}

void TstMainWindow::proceedOpensChosenSection_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<MainWindow::Section>("section");
    QTest::addColumn<QString>("frame");
    QTest::newRow("memorize") << "memorizeChoice" << MainWindow::Section::TopicBrowser << "topicBrowser";
    QTest::newRow("test") << "testChoice" << MainWindow::Section::TestOptions << "testOptionsPage";
    QTest::newRow("goals") << "goalsChoice" << MainWindow::Section::Goals << "goalsPage";
}

namespace {
// Where a widget is drawn, in its own coordinates.
class DrawnArea : public QObject {
public:
    explicit DrawnArea(QWidget *widget) { widget->installEventFilter(this); }
    QRegion area;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            area += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};
} // namespace

void TstMainWindow::proceedOpensChosenSection()
{
    QFETCH(QString, option);
    QFETCH(MainWindow::Section, section);
    QFETCH(QString, frame);
    auto *button = m_window->findChild<QRadioButton *>(option);
    auto *startPage = child<QGroupBox>("startPage");
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const DrawnArea drawn(startPage);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QVERIFY(button->isChecked());
    // Once the choice is drawn, its section is built and drawn off screen ahead
    // of Proceed; the page in front is drawn again only where the choices are
    // (the one chosen, the one that had the focus), and where a link beside the
    // pages, which Tab reaches, overlaps it.
    QTRY_VERIFY(m_window->findChild<QGroupBox *>(frame));
    QCOMPARE(m_window->currentSection(), MainWindow::Section::StartPage); // choosing alone moves nothing
    QRegion choices;
    for (const char *name : {"memorizeChoice", "testChoice", "goalsChoice"})
        choices += child<QRadioButton>(name)->geometry();
    for (const char *name : {"homePageLink", "brandingLink"}) {
        const QWidget *link = child<QLabel>(name);
        choices += QRect(startPage->mapFrom(link->parentWidget(), link->pos()), link->size());
    }
    QVERIFY(!drawn.area.isEmpty());
    QVERIFY2(drawn.area.subtracted(choices).isEmpty(),
             qPrintable(QStringLiteral("drawn again: %1 x %2")
                            .arg(drawn.area.boundingRect().width())
                            .arg(drawn.area.boundingRect().height())));
    QTest::mouseClick(child<QPushButton>("proceedButton"), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), section);
    QCOMPARE(m_messages->count(), 0);
}

void TstMainWindow::choicesTakeTheKeys_data()
{
    QTest::addColumn<int>("testsBefore"); // each by location / shape, left by Start Test Once More
    QTest::addColumn<int>("checked"); // the kind checked before Test Options shows, or -1
    // Where the page opens (the start page, Test Options or a question), the
    // choice Down moves to and checks, and where `key` there leads.
    QTest::addColumn<QStringList>("focus");
    QTest::addColumn<int>("key");
    const int enter = Qt::Key_Return,
              keypadEnter = QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter).toCombined();
    const QStringList answers {"firstAnswer", "secondAnswer", "firstAnswer"};
    QTest::newRow("start page, keypad")
        << 0 << -1 << QStringList {"memorizeChoice", "testChoice", "byNameChoice"} << keypadEnter;
    QTest::newRow("first test, Enter") << 0 << -1 << answers << enter;
    QTest::newRow("later test, keypad") << 1 << -1 << answers << keypadEnter;
    QTest::newRow("kinds after a test, keypad")
        << 1 << -1 << QStringList {"byNameChoice", "bySignificanceChoice", "firstAnswer"} << keypadEnter;
    QTest::newRow("last kind checked, Enter")
        << 0 << 2 << QStringList {"byLocationShapeChoice", "byNameChoice", "firstAnswer"} << enter;
}

void TstMainWindow::choicesTakeTheKeys()
{
    QFETCH(int, testsBefore);
    QFETCH(int, checked);
    QFETCH(QStringList, focus);
    QFETCH(int, key);
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    SelfTest *test = m_window->selfTest();
    QButtonGroup *kinds = test->optionsPage()->findChild<QButtonGroup *>();
    const auto start = [&] {
        m_window->showSection(MainWindow::Section::TestOptions);
        kinds->button(2)->setChecked(true);
        test->startTest();
    };
    for (int t = 0; t < testsBefore * kQuestionCount; ++t) {
        if (t % kQuestionCount == 0)
            start();
        test->questionPage()->findChild<QButtonGroup *>()->button(0)->setChecked(true);
        testing::namedChild<QPushButton>(test->questionPage(), QStringLiteral("nextQuestionButton"))->click();
    }
    if (testsBefore > 0)
        testing::namedChild<QPushButton>(test->resultPage(), QStringLiteral("startAgainButton"))->click();
    if (checked >= 0)
        kinds->button(checked)->setChecked(true);
    if (focus.first().startsWith(QStringLiteral("by")))
        m_window->showSection(MainWindow::Section::TestOptions);
    if (focus.first().endsWith(QStringLiteral("Answer")))
        start();
    QCOMPARE(QApplication::focusWidget()->objectName(), focus.at(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus.at(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key & ~Qt::KeyboardModifierMask),
                    Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus.at(2));
}

// The window itself brings each of the self-test's frames to the front as a
// test goes on, and takes the user back to the start.
void TstMainWindow::selfTestFramesFollowTheTest()
{
    child<QRadioButton>("testChoice")->setChecked(true);
    QTest::mouseClick(child<QPushButton>("proceedButton"), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), MainWindow::Section::TestOptions);
    SelfTest *test = m_window->selfTest();
    TestOptionsPage *options = test->optionsPage();
    options->findChild<QRadioButton *>(QStringLiteral("bySignificanceChoice"))->setChecked(true);
    QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("startTestButton")), Qt::LeftButton);
    for (int question = 0; question < kQuestionCount; ++question) {
        QCOMPARE(m_window->currentSection(), MainWindow::Section::TestQuestion);
        test->questionPage()->findChild<QButtonGroup *>()->button(question % kOptionCount)->setChecked(true);
        QTest::mouseClick(
            testing::namedChild<QPushButton>(test->questionPage(), QStringLiteral("nextQuestionButton")),
            Qt::LeftButton);
    }
    QCOMPARE(m_window->currentSection(), MainWindow::Section::TestResult);
    QTest::mouseClick(test->resultPage()->findChild<QPushButton *>(QStringLiteral("startAgainButton")),
                      Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), MainWindow::Section::TestOptions);
    QTest::mouseClick(options->findChild<QPushButton *>(QStringLiteral("backToMainButton")), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), MainWindow::Section::StartPage);
    QCOMPARE(m_messages->count(), 0);
}

void TstMainWindow::backToMainKeepsStateOfStartPageAndSection()
{
    auto *memorize = child<QRadioButton>("memorizeChoice");
    auto *goals = child<QRadioButton>("goalsChoice");
    goals->setChecked(true);
    memorize->setChecked(true);
    QVERIFY(!goals->isChecked()); // one group
    QTest::mouseClick(child<QPushButton>("proceedButton"), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), MainWindow::Section::TopicBrowser);

    auto *next = child<QPushButton>("nextButton");
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(m_window->topicBrowser()->currentTopic(), 5);

    QTest::mouseClick(frontFrame()->findChild<QPushButton *>(QStringLiteral("backToMainButton")),
                      Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), MainWindow::Section::StartPage);
    QVERIFY(memorize->isChecked());

    QTest::mouseClick(child<QPushButton>("proceedButton"), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), MainWindow::Section::TopicBrowser);
    QCOMPARE(m_window->topicBrowser()->currentTopic(), 5);
    QCOMPARE(child<QLabel>("nameLabel")->text(), m_window->catalogue().topicName(5));

    // The other two "Back To Main" buttons lead to the start page as well.
    for (const MainWindow::Section section : {MainWindow::Section::TestOptions, MainWindow::Section::Goals}) {
        m_window->showSection(section);
        auto *back = frontFrame()->findChild<QPushButton *>(QStringLiteral("backToMainButton"));
        QVERIFY(back);
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(m_window->currentSection(), MainWindow::Section::StartPage);
    }
}

void TstMainWindow::sectionsAreBuiltWhenFirstShown()
{
    // Start-up builds the start page only, yet reads the goal notes and makes
    // the missing files.
    QCOMPARE(m_window->findChildren<QGroupBox *>(), QList<QGroupBox *> {child<QGroupBox>("startPage")});
    const QString goal1 = QDir(m_env->env.goalFolders.saveFolder).filePath(QStringLiteral("Goal1.txt"));
    QVERIFY(QFile::exists(goal1));
    QVERIFY(QFile::exists(QDir(m_env->env.goalFolders.saveFolder).filePath(QStringLiteral("Goal2.txt"))));
    // What the notes showed at start-up is what the goals page shows, later.
    QFile file(goal1);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Written after start-up\r\n");
    file.close();

    auto *memorize = child<QRadioButton>("memorizeChoice");
    QTest::mouseClick(memorize, Qt::LeftButton, {}, QPoint(6, memorize->height() / 2));
    QTest::mouseClick(child<QPushButton>("proceedButton"), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), MainWindow::Section::TopicBrowser);
    QCOMPARE(m_window->topicBrowser()->currentTopic(), 0);
    QCOMPARE(child<QLabel>("nameLabel")->text(), QStringLiteral("Shape of Hands - Square Hand"));
    QCOMPARE(child<QLabel>("significanceLabel")->text(), m_window->catalogue().significance(0));
    QCOMPARE(child<QLabel>("shapeLocationLabel")->text(), m_window->catalogue().shapeLocation(0));
    QVERIFY(!child<QLabel>("pictureLabel")->pixmap().isNull());
    QVERIFY(!child<QGroupBox>("goalsPage"));
    QVERIFY(!child<QGroupBox>("testOptionsPage"));

    m_window->showSection(MainWindow::Section::Goals);
    QCOMPARE(child<QPlainTextEdit>("goal1Edit")->toPlainText(), QStringLiteral("This is Goal 1."));
    QCOMPARE(child<QPlainTextEdit>("goal2Edit")->toPlainText(), QStringLiteral("This is Goal 2."));
    // Built once: showing it again shows the same frame.
    m_window->showSection(MainWindow::Section::Goals);
    QCOMPARE(frontFrame(), child<QGroupBox>("goalsPage"));
    QCOMPARE(m_window->findChildren<QGroupBox *>(QStringLiteral("goalsPage")).size(), 1);
}

void TstMainWindow::menuItemsOpenTheirPages_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("key");
    QTest::newRow("online help") << "onlineHelpAction"
                                 << "help-web-page";
    QTest::newRow("visit us") << "visitUsAction"
                              << "home-page";
    QTest::newRow("update") << "checkUpdateAction"
                            << "download-web-page";
    QTest::newRow("donate") << "donateAction"
                            << "donate";
}

void TstMainWindow::menuItemsOpenTheirPages()
{
    QFETCH(QString, item);
    QFETCH(QString, key);
    m_window->showSection(MainWindow::Section::Goals);
    QAction *menuItem = m_window->findChild<QAction *>(item);
    QVERIFY(menuItem);
    QVERIFY(menuItem->isEnabled());
    menuItem->trigger();
    const QString expected =
        QStringLiteral("https://www.vespersoftwares.example/palmora-free/ssd.php?page=") + key;
    QCOMPARE(m_urls->addresses(), QStringList {expected});
    QCOMPARE(m_window->currentSection(), MainWindow::Section::Goals);
    menuItem->trigger();
    QCOMPARE(m_urls->addresses(), (QStringList {expected, expected}));
}

void TstMainWindow::linkLabelsOpenTheirPages_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("key");
    QTest::newRow("forum") << "homePageLink"
                           << "home-page";
    QTest::newRow("branding") << "brandingLink"
                              << "fully-branded";
}

void TstMainWindow::linkLabelsOpenTheirPages()
{
    QFETCH(QString, label);
    QFETCH(QString, key);
    m_window->showSection(MainWindow::Section::TopicBrowser);
    auto *link = m_window->findChild<QLabel *>(label);
    QVERIFY(link);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(
        m_urls->addresses(),
        QStringList {QStringLiteral("https://www.vespersoftwares.example/palmora-free/ssd.php?page=") + key});
    QCOMPARE(m_window->currentSection(), MainWindow::Section::TopicBrowser);
    QTest::mouseClick(link, Qt::RightButton);
    QCOMPARE(m_urls->urls().size(), 1);
}

void TstMainWindow::browserSaysWhyItShowsNoRecord()
{
    testing::writeAllBytes(m_env->env.resultHistoryPath, "{ damaged");
    m_window->showSection(MainWindow::Section::TopicBrowser);
    const QString record =
        m_window->topicBrowser()->findChild<QLabel *>(QStringLiteral("recordLabel"))->text();
    QVERIFY2(record.contains(QStringLiteral("cannot be read")) && record.contains(QStringLiteral("damaged")),
             qPrintable(record));
}

void TstMainWindow::makeMoneyCannotBeChosen()
{
    QAction *makeMoney = action("makeMoneyAction");
    QVERIFY(makeMoney);
    QCOMPARE(makeMoney->text(), QStringLiteral("&Make Money Online"));
    QVERIFY(!makeMoney->isEnabled());
    makeMoney->trigger(); // a disabled action ignores it
    QVERIFY(m_urls->urls().isEmpty());

    QStringList topLevel;
    for (QAction *entry : m_window->menuBar()->actions())
        topLevel.append(entry->text());
    QCOMPARE(topLevel, (QStringList {"&File", "&Help", "&Donate", "&Make Money Online"}));
    QStringList help;
    for (QAction *entry : child<QMenu>("helpMenu")->actions())
        help.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(help,
             (QStringList {"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                           "&About Software"}));
}

namespace {

// Presses Alt and each access key shown in `scope` on the whole window, as a user
// does, and returns the keys that pressed their own button. `reset` brings the
// page back to the front before each key, since a button may lead elsewhere.
QString keysThatWork(QWidget *window, QWidget *scope, const std::function<void()> &reset)
{
    QString working;
    const QList<QAbstractButton *> buttons = scope->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        reset();
        // Access keys belong to the active window only.
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return QStringLiteral("window not active");
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        if (!button->isVisible() || key.isEmpty())
            continue;
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::keyClick(window, key[0].key(), Qt::AltModifier);
        // A key clicks its button at once, and shows it pressed a moment after.
        if (clicked.count() > 0)
            working += QChar(key[0].key());
    }
    std::sort(working.begin(), working.end());
    return working;
}

} // namespace

void TstMainWindow::everyAccessKeyPressesItsButton_data()
{
    // The access keys each page shows, in alphabetical order.
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("keys");
    QTest::newRow("start page") << "startPage"
                                << "C";
    QTest::newRow("browser") << "topicBrowser"
                             << "BMN";
    QTest::newRow("options") << "testOptionsPage"
                             << "CGMW";
    QTest::newRow("goals") << "goalsPage"
                           << "M";
    QTest::newRow("question") << "testQuestionPage"
                              << "N";
    QTest::newRow("result") << "testResultPage"
                            << "GPS";
    QTest::newRow("progress") << "progressPage"
                              << "B";
    QTest::newRow("about box") << "about"
                               << "";
    QTest::newRow("exit screen") << "exit"
                                 << "NX";
}

void TstMainWindow::everyAccessKeyPressesItsButton()
{
    QFETCH(QString, page);
    QFETCH(QString, keys);
    // Printing goes to a file here, never to a real printer.
    QTemporaryDir folder;
    m_window->selfTest()->resultPage()->findChild<PrintQueue *>()->setPrinter(
        std::make_shared<testing::PdfReportPrinter>(folder.filePath(QStringLiteral("report.pdf"))));

    if (page == QLatin1String("about")) {
        action("aboutAction")->trigger();
        auto *about = m_window->findChild<AboutDialog *>();
        QVERIFY(about);
        QCOMPARE(keysThatWork(about, about, [] {}), keys);
    } else if (page == QLatin1String("exit")) {
        ExitScreen screen(*m_env->env.random);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(keysThatWork(&screen, &screen, [] {}), keys);
    } else {
        // Frames are built the first time they are shown.
        const auto reset = [this, &page] {
            for (int k = 0; k < MainWindow::kSectionCount && frontFrame()->objectName() != page; ++k)
                m_window->showSection(static_cast<MainWindow::Section>(k));
        };
        reset();
        QWidget *frame = frontFrame();
        QCOMPARE(frame->objectName(), page);
        QCOMPARE(keysThatWork(m_window.get(), frame, reset), keys);
    }
}

void TstMainWindow::everyTabStopShowsWhereItIs_data()
{
    QTest::addColumn<MainWindow::Section>("section");
    // The page's stops in Tab order, from where it opens; a group of choices is one stop.
    QTest::addColumn<QStringList>("order");
    QTest::newRow("start page") << MainWindow::Section::StartPage << QStringList();
    QTest::newRow("browser") << MainWindow::Section::TopicBrowser << QStringList();
    QTest::newRow("options") << MainWindow::Section::TestOptions
                             << QStringList {"byNameChoice",     "resultHistoryLabel", "resultChart",
                                             "backToMainButton", "startTestButton",    "weakestTestButton",
                                             "progressButton"};
    QTest::newRow("goals") << MainWindow::Section::Goals << QStringList();
    QTest::newRow("question") << MainWindow::Section::TestQuestion
                              << QStringList {"firstAnswer", "nextQuestionButton"};
    QTest::newRow("result") << MainWindow::Section::TestResult
                            << QStringList {"resultBox", "printButton", "repeatMissedButton",
                                            "startAgainButton", "progressButton"};
    QTest::newRow("progress") << MainWindow::Section::Progress
                              << QStringList {"chart", "topicTable", "backButton"};
}

// A keyboard user always sees where they are: a page shown puts the focus on
// one of its own controls, and each stop of the Tab cycle looks different with
// the focus than without it. Tab always moves on, out of a text box too.
void TstMainWindow::everyTabStopShowsWhereItIs()
{
    QFETCH(MainWindow::Section, section);
    QFETCH(QStringList, order);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    if (section == MainWindow::Section::TestQuestion || section == MainWindow::Section::TestResult) {
        SelfTest *test = m_window->selfTest();
        m_window->showSection(MainWindow::Section::TestOptions);
        test->optionsPage()->findChild<QButtonGroup *>()->button(1)->setChecked(true);
        test->startTest();
        for (int question = 0; section == MainWindow::Section::TestResult && question < kQuestionCount;
             ++question) {
            test->questionPage()->findChild<QButtonGroup *>()->button(0)->setChecked(true);
            testing::namedChild<QPushButton>(test->questionPage(), QStringLiteral("nextQuestionButton"))
                ->click();
        }
    }
    // Entered with the keyboard, as a window shows the focus once Tab is used.
    m_window->setAttribute(Qt::WA_KeyboardFocusChange);
    m_window->showSection(section);
    QCOMPARE(m_window->currentSection(), section);
    QWidget *frame = frontFrame();
    QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus && frame->isAncestorOf(focus), focus ? qPrintable(focus->objectName()) : "no focus");

    // The cycle goes on through the links beside the pages, which Tab reaches too.
    QSet<QWidget *> visited;
    QStringList stops;
    while (focus && (frame->isAncestorOf(focus) || qobject_cast<ClickableLabel *>(focus))
           && !visited.contains(focus)) {
        visited.insert(focus);
        if (frame->isAncestorOf(focus))
            stops.append(focus->objectName());
        const QRect around(focus->mapTo(m_window.get(), QPoint(-3, -3)), focus->size() + QSize(6, 6));
        const QImage focused = m_window->grab(around).toImage();
        const QString textBefore = focus->property("plainText").toString();
        QTest::keyClick(focus, Qt::Key_Tab);
        QWidget *next = QApplication::focusWidget();
        QVERIFY2(next != focus, qPrintable(focus->objectName() + QStringLiteral(" keeps the focus on Tab")));
        QCOMPARE(focus->property("plainText").toString(), textBefore);
        QVERIFY2(m_window->grab(around).toImage() != focused,
                 qPrintable(focus->objectName() + QStringLiteral(" shows no focus")));
        focus = next;
    }
    // Every control of the page that takes the focus is a stop.
    const QList<QWidget *> controls = frame->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(frame) && control->isEnabled()
            && !qobject_cast<QRadioButton *>(control))
            QVERIFY2(visited.contains(control),
                     qPrintable(control->objectName() + QStringLiteral(" is no stop")));
    }
    QVERIFY(visited.size() >= 2);
    if (!order.isEmpty())
        QCOMPARE(stops, order);
}

void TstMainWindow::fixedSizeAndCaption()
{
    // Named with the version the project is built as, dotted numbers.
    const QRegularExpressionMatch caption =
        QRegularExpression(QStringLiteral("^Palmora v(\\d+\\.\\d+(\\.\\d+)*)$"))
            .match(m_window->windowTitle());
    QVERIFY2(caption.hasMatch(), qPrintable(m_window->windowTitle()));
    QCOMPARE(caption.captured(1), QStringLiteral(PALMORA_VERSION));
    QCOMPARE(m_window->centralWidget()->size(), QSize(775, 461));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(child<QLabel>("homePageLink")->text().contains(QStringLiteral("www.vespersoftwares.example")));
}

void TstMainWindow::helpMenuShowsAFreshModalBoxEachTime()
{
    MainWindow &main = *m_window;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QAction *about = action("aboutAction");
    QVERIFY(about);

    for (int round = 0; round < 2; ++round) {
        about->trigger();
        const QList<AboutDialog *> boxes = main.findChildren<AboutDialog *>();
        QCOMPARE(boxes.size(), 1); // a fresh box, the last one is gone
        AboutDialog *box = boxes.first();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QVERIFY(box->isModal());
        QCOMPARE(QApplication::activeModalWidget(), box);
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!box->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!QApplication::activeModalWidget());
    }
    // Each box was deleted when closed; none is left behind.
    QVERIFY(main.findChildren<AboutDialog *>().isEmpty());
    QCOMPARE(main.currentSection(), MainWindow::Section::StartPage);
}

void TstMainWindow::closingAnnouncesUnloadOnce()
{
    QSignalSpy unloading(m_window.get(), &MainWindow::unloading);
    action("exitAction")->trigger();
    QCOMPARE(unloading.count(), 1);
    QVERIFY(!m_window->isVisible());
}

void TstMainWindow::closingAsksAboutUnsavedNotes_data()
{
    QTest::addColumn<MessageBox::Answer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("save") << MessageBox::Answer::Save << true << QByteArray("typed\r\n");
    QTest::newRow("discard") << MessageBox::Answer::Discard << true << QByteArray("This is Goal 2.\r\n");
    QTest::newRow("cancel") << MessageBox::Answer::Cancel << false << QByteArray("This is Goal 2.\r\n");
}

// Text typed into a note and not saved is never dropped, nor saved, without the
// user's word; Cancel goes back to the note.
void TstMainWindow::closingAsksAboutUnsavedNotes()
{
    QFETCH(MessageBox::Answer, answer);
    QFETCH(bool, closed);
    QFETCH(QByteArray, kept);
    child<QRadioButton>("goalsChoice")->setChecked(true);
    QTest::mouseClick(child<QPushButton>("proceedButton"), Qt::LeftButton);
    QTest::mouseClick(child<QCheckBox>("goal2CheckBox"), Qt::LeftButton);
    auto *edit = child<QWidget>("goal2Edit");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("typed"));
    m_window->showSection(MainWindow::Section::StartPage);

    QSignalSpy unloading(m_window.get(), &MainWindow::unloading);
    m_messages->queueAnswer(answer);
    action("exitAction")->trigger();
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().buttons, MessageBox::Buttons::SaveDiscardCancel);
    QVERIFY(m_messages->last().text.contains(QStringLiteral("Goal 2")));
    QCOMPARE(unloading.count(), closed ? 1 : 0);
    QCOMPARE(m_window->isVisible(), !closed);
    QFile goal(QDir(m_env->env.goalFolders.saveFolder).filePath(QStringLiteral("Goal2.txt")));
    QVERIFY(goal.open(QIODevice::ReadOnly));
    QCOMPARE(goal.readAll(), kept);
    if (!closed) {
        QCOMPARE(m_window->currentSection(), MainWindow::Section::Goals);
        QCOMPARE(QApplication::focusWidget(), edit);
    }
    // Nothing unsaved is asked about.
    m_messages->clear();
    child<QPushButton>("goal2SaveButton")->click();
    m_window->close();
    QCOMPARE(m_messages->count(), 0);
}

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
