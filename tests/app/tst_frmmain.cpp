#include "app/frmmain.h"

#include "memorize/topicbrowser.h"
#include "messagerecorder.h"
#include "testenvironment.h"
#include "urlrecorder.h"
#include "web/sitepages.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace palmora;

class TstFrmMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnStartPageWithNothingSelected();
    void frameCaptions_data();
    void frameCaptions();
    void proceedWithoutOptionAsksForOne();
    void proceedOpensChosenSection_data();
    void proceedOpensChosenSection();
    void backToMainKeepsStateOfStartPageAndSection();
    void browserAlreadyShowsFirstTopic();
    void menuItemsOpenTheirPages_data();
    void menuItemsOpenTheirPages();
    void linkLabelsOpenTheirPages_data();
    void linkLabelsOpenTheirPages();
    void makeMoneyCannotBeChosen();
    void fixedSizeAndCaption();
    void closingAnnouncesUnloadOnce();

private:
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    template<typename T> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }

    std::unique_ptr<testing::TestEnvironment> m_env;
    std::unique_ptr<FrmMain> m_window;
    std::unique_ptr<testing::MessageRecorder> m_messages;
    std::unique_ptr<testing::UrlRecorder> m_urls;
};

void TstFrmMain::init()
{
    m_env = std::make_unique<testing::TestEnvironment>();
    m_messages = std::make_unique<testing::MessageRecorder>();
    m_urls = std::make_unique<testing::UrlRecorder>();
    m_window = std::make_unique<FrmMain>(m_env->env);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TstFrmMain::cleanup()
{
    m_window.reset();
    m_urls.reset();
    m_messages.reset();
    m_env.reset();
}

void TstFrmMain::opensOnStartPageWithNothingSelected()
{
    QCOMPARE(m_window->currentSection(), FrmMain::kStartPage);
    for (const char *name : {"optOption_0", "optOption_1", "optOption_2"}) {
        auto *option = child<QRadioButton>(name);
        QVERIFY(option);
        QVERIFY(!option->isChecked());
    }
    QCOMPARE(m_messages->count(), 0);
}

void TstFrmMain::frameCaptions_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("caption");
    QTest::newRow("browser") << 0 << "Memorize Palmistry";
    QTest::newRow("options") << 1 << "Test Options";
    QTest::newRow("goals") << 2 << "Goal";
    QTest::newRow("question") << 3 << "Test";
    QTest::newRow("result") << 4 << "Test Result";
    QTest::newRow("start page") << 5 << "";
}

void TstFrmMain::frameCaptions()
{
    QFETCH(int, k);
    QFETCH(QString, caption);
    QGroupBox *frame = m_window->fraOption(k);
    QVERIFY(frame);
    QCOMPARE(frame->objectName(), QStringLiteral("fraOption_%1").arg(k));
    QCOMPARE(frame->title(), caption);
    m_window->show_section(k);
    QCOMPARE(m_window->currentSection(), k);
    QVERIFY(frame->isVisible());
}

void TstFrmMain::proceedWithoutOptionAsksForOne()
{
    QTest::mouseClick(child<QPushButton>("cmdProceed"), Qt::LeftButton);
    QCOMPARE(m_messages->texts(), QStringList {QStringLiteral("Please select an option")});
    QCOMPARE(m_messages->last().icon, MessageBox::Icon::Critical);
    QCOMPARE(m_messages->last().title, QStringLiteral("Palmora"));
    QCOMPARE(m_window->currentSection(), FrmMain::kStartPage);
}

void TstFrmMain::proceedOpensChosenSection_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("section");
    QTest::newRow("memorize") << "optOption_0" << 0;
    QTest::newRow("test") << "optOption_1" << 1;
    QTest::newRow("goals") << "optOption_2" << 2;
}

void TstFrmMain::proceedOpensChosenSection()
{
    QFETCH(QString, option);
    QFETCH(int, section);
    auto *button = m_window->findChild<QRadioButton *>(option);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QVERIFY(button->isChecked());
    QCOMPARE(m_window->currentSection(), FrmMain::kStartPage); // choosing alone moves nothing
    QTest::mouseClick(child<QPushButton>("cmdProceed"), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), section);
    QCOMPARE(m_messages->count(), 0);
}

void TstFrmMain::backToMainKeepsStateOfStartPageAndSection()
{
    auto *memorize = child<QRadioButton>("optOption_0");
    auto *goals = child<QRadioButton>("optOption_2");
    goals->setChecked(true);
    memorize->setChecked(true);
    QVERIFY(!goals->isChecked()); // one group
    QTest::mouseClick(child<QPushButton>("cmdProceed"), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), 0);

    auto *next = child<QPushButton>("cmdNext");
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(m_window->topicBrowser()->currentTopic(), 5);

    QTest::mouseClick(child<QPushButton>("cmdBackToMain_0"), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), FrmMain::kStartPage);
    QVERIFY(memorize->isChecked());

    QTest::mouseClick(child<QPushButton>("cmdProceed"), Qt::LeftButton);
    QCOMPARE(m_window->currentSection(), 0);
    QCOMPARE(m_window->topicBrowser()->currentTopic(), 5);
    QCOMPARE(child<QLabel>("lblDesc_0")->text(), m_window->catalogue().topicName(5));

    // The other two "Back To Main" buttons lead to the start page as well.
    for (const auto &[k, button] : {std::pair {1, "cmdBackToMain_2"}, std::pair {2, "cmdBackToMain_1"}}) {
        m_window->show_section(k);
        auto *back = child<QPushButton>(button);
        QVERIFY2(back, button);
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(m_window->currentSection(), FrmMain::kStartPage);
    }
}

void TstFrmMain::browserAlreadyShowsFirstTopic()
{
    QCOMPARE(m_window->topicBrowser()->currentTopic(), 0);
    QCOMPARE(child<QLabel>("lblDesc_0")->text(), QStringLiteral("Shape of Hands - Square Hand"));
    QCOMPARE(child<QLabel>("lblDesc_1")->text(), m_window->catalogue().significance(0));
    QCOMPARE(child<QLabel>("lblDesc_2")->text(), m_window->catalogue().shapeLocation(0));
}

void TstFrmMain::menuItemsOpenTheirPages_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("key");
    QTest::newRow("online help") << "mnuOnline"
                                 << "help-web-page";
    QTest::newRow("visit us") << "mnuVisit"
                              << "home-page";
    QTest::newRow("update") << "mnuUpdate"
                            << "download-web-page";
    QTest::newRow("donate") << "mnuDonate"
                            << "donate";
}

void TstFrmMain::menuItemsOpenTheirPages()
{
    QFETCH(QString, item);
    QFETCH(QString, key);
    m_window->show_section(FrmMain::kGoals);
    QAction *menuItem = m_window->findChild<QAction *>(item);
    QVERIFY(menuItem);
    QVERIFY(menuItem->isEnabled());
    menuItem->trigger();
    const QString expected = site_base_address() + QStringLiteral("/palmora-free/ssd.php?page=") + key;
    QCOMPARE(m_urls->addresses(), QStringList {expected});
    QCOMPARE(m_window->currentSection(), FrmMain::kGoals);
    menuItem->trigger();
    QCOMPARE(m_urls->addresses(), (QStringList {expected, expected}));
}

void TstFrmMain::linkLabelsOpenTheirPages_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("key");
    QTest::newRow("forum") << "Label14"
                           << "home-page";
    QTest::newRow("branding") << "Label7"
                              << "fully-branded";
}

void TstFrmMain::linkLabelsOpenTheirPages()
{
    QFETCH(QString, label);
    QFETCH(QString, key);
    m_window->show_section(FrmMain::kTopicBrowser);
    auto *link = m_window->findChild<QLabel *>(label);
    QVERIFY(link);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_urls->addresses(),
             QStringList {site_base_address() + QStringLiteral("/palmora-free/ssd.php?page=") + key});
    QCOMPARE(m_window->currentSection(), FrmMain::kTopicBrowser);
    QTest::mouseClick(link, Qt::RightButton);
    QCOMPARE(m_urls->urls().size(), 1);
}

void TstFrmMain::makeMoneyCannotBeChosen()
{
    QAction *makeMoney = action("mnuMakeMoney");
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
    for (QAction *entry : child<QMenu>("mnuHelp")->actions())
        help.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(help,
             (QStringList {"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                           "&About Software"}));
}

void TstFrmMain::fixedSizeAndCaption()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Palmora v1.20"));
    QCOMPARE(m_window->centralWidget()->size(), QSize(775, 461));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(child<QLabel>("Label14")->text().contains(site_host_name()));
}

void TstFrmMain::closingAnnouncesUnloadOnce()
{
    QSignalSpy unloading(m_window.get(), &FrmMain::unloading);
    action("mnuExit")->trigger();
    QCOMPARE(unloading.count(), 1);
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
