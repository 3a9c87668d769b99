#include "app/applicationcontroller.h"
#include "app/mainwindow.h"
#include "common/buildinfo.h"
#include "web/exitscreen.h"
#include "web/reminderrecord.h"
#include "web/sitepages.h"

#include "messagerecorder.h"
#include "namedchild.h"
#include "testenvironment.h"
#include "urlrecorder.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace palmora;
using palmora::testing::MessageRecorder;
using palmora::testing::TestEnvironment;
using palmora::testing::UrlRecorder;

namespace {

QWidgetList visibleWindows()
{
    QWidgetList visible;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            visible.append(window);
    }
    return visible;
}

} // namespace

// The program's own start and end, run inside this process: start-up with its
// reminder, the main window's close, the exit screen and the end of the event loop.
class TstExitFlow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void reminderAsksBeforeTheMainWindowOpens_data();
    void reminderAsksBeforeTheMainWindowOpens();
    void firstStartUpAsksNothing();
    void closingTheExitScreenEndsTheEventLoop_data();
    void closingTheExitScreenEndsTheEventLoop();
    void fileMenuMakesTheExitScreenReady();

private:
    static MainWindow *mainWindow() { return testing::namedWindow<MainWindow>(QStringLiteral("mainWindow")); }
    // Shown or, while the File menu is open, made ready and hidden.
    static ExitScreen *exitScreen() { return testing::namedWindow<ExitScreen>(QStringLiteral("ExitScreen")); }

    std::unique_ptr<QTemporaryDir> m_settingsDir;
    std::unique_ptr<TestEnvironment> m_environment;
    std::unique_ptr<ApplicationController> m_startup;
};

void TstExitFlow::init()
{
    // The reminder's record goes to a folder of this test alone: the user's
    // config folder is where the store is found.
    m_settingsDir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settingsDir->path()));
    m_environment = std::make_unique<TestEnvironment>();
    m_startup = std::make_unique<ApplicationController>(m_environment->env);
}

void TstExitFlow::cleanup()
{
    // Windows left by a test; menus and other owned windows go with their owners.
    QList<QPointer<QWidget>> left;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget())
            left.append(window);
    }
    for (const QPointer<QWidget> &window : left)
        delete window.data();
    m_startup.reset();
    m_environment.reset();
}

void TstExitFlow::reminderAsksBeforeTheMainWindowOpens_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TstExitFlow::reminderAsksBeforeTheMainWindowOpens()
{
    QFETCH(bool, yes);
    const QDate today = m_environment->today;
    QVERIFY(ReminderRecord().write(today.addDays(-20).toString(Qt::ISODate)));

    UrlRecorder urls;
    int questions = 0;
    bool windowShownWhenAsked = true;
    MessageBox::setHandler([&](const MessageBox::Request &request) {
        ++questions;
        windowShownWhenAsked = !visibleWindows().isEmpty();
        if (request.buttons != MessageBox::Buttons::YesNo)
            return MessageBox::Answer::Ok;
        return yes ? MessageBox::Answer::Yes : MessageBox::Answer::No;
    });
    QVERIFY(m_startup->start());
    MessageBox::setHandler({});

    QCOMPARE(questions, 1);
    QVERIFY(!windowShownWhenAsked);
    QVERIFY(mainWindow());
    QVERIFY(mainWindow()->isVisible());
    QCOMPARE(urls.addresses(),
             yes ? QStringList {QStringLiteral(
                 "https://www.vespersoftwares.example/palmora-free/ssd.php?page=download-web-page")}
                 : QStringList {});
    QCOMPARE(ReminderRecord().load(), std::optional<QString>(today.toString(Qt::ISODate)));
}

void TstExitFlow::firstStartUpAsksNothing()
{
    MessageRecorder messages;
    UrlRecorder urls;
    QVERIFY(m_startup->start());
    QCOMPARE(messages.count(), 0);
    QVERIFY(urls.urls().isEmpty());
    QCOMPARE(ReminderRecord().load(), std::optional<QString>(m_environment->today.toString(Qt::ISODate)));
    QVERIFY(QFileInfo::exists(m_settingsDir->filePath(QStringLiteral("Palmora/tst_exitflow.ini"))));
}

void TstExitFlow::closingTheExitScreenEndsTheEventLoop_data()
{
    QTest::addColumn<bool>("mainByMenu");
    QTest::addColumn<bool>("exitByButton");
    QTest::newRow("close box, then E&xit") << false << true;
    QTest::newRow("File > Exit, then E&xit") << true << true;
    QTest::newRow("close box, then close box") << false << false;
    QTest::newRow("File > Exit, then close box") << true << false;
}

// The exit screen is made while the open File menu waits for the user; Exit
// shows that screen, and a program that ends another way leaves none behind.
void TstExitFlow::fileMenuMakesTheExitScreenReady()
{
    MessageRecorder messages;
    QVERIFY(m_startup->start());
    QPointer<MainWindow> main = mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    auto *fileMenu = main->findChild<QMenu *>(QStringLiteral("fileMenu"));
    QVERIFY(fileMenu);
    QVERIFY(!exitScreen());

    fileMenu->popup(main->mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(fileMenu));
    QTRY_VERIFY(exitScreen());
    QPointer<ExitScreen> prepared = exitScreen();
    QVERIFY(!prepared->isVisible());
    QVERIFY(fileMenu->isVisible());
    QCOMPARE(prepared->windowTitle(), QStringLiteral("Palmora v" PALMORA_VERSION));

    QTest::keyClick(fileMenu, Qt::Key_X);
    QTRY_VERIFY(!main);
    QCOMPARE(visibleWindows(), QWidgetList {prepared.data()});
    QVERIFY(QFileInfo::exists(m_environment->env.lockFilePath));
    QTest::mouseClick(prepared->findChild<QPushButton *>(QStringLiteral("exitButton")), Qt::LeftButton);
    // Ending the program gives up the one-copy lock.
    QVERIFY(!QFileInfo::exists(m_environment->env.lockFilePath));
    QTRY_VERIFY(!prepared);
    QCOMPARE(messages.count(), 0);

    // Opened and closed again, then the program is ended from elsewhere.
    ApplicationController again(m_environment->env);
    QVERIFY(again.start());
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow()));
    auto *menuAgain = mainWindow()->findChild<QMenu *>(QStringLiteral("fileMenu"));
    menuAgain->popup(mainWindow()->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(exitScreen());
    prepared = exitScreen();
    menuAgain->close();
    again.quit();
    QVERIFY(prepared.isNull());
    QVERIFY(visibleWindows().isEmpty());
}

void TstExitFlow::closingTheExitScreenEndsTheEventLoop()
{
    QFETCH(bool, mainByMenu);
    QFETCH(bool, exitByButton);
    MessageRecorder messages;
    QVERIFY(m_startup->start());
    QPointer<MainWindow> main = mainWindow();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QVERIFY(!exitScreen());

    if (mainByMenu)
        main->findChild<QAction *>(QStringLiteral("exitAction"))->trigger();
    else
        main->close();

    // The main window unloads itself; the exit screen is the only window left.
    QTRY_VERIFY(!main);
    QPointer<ExitScreen> exitScreen = TstExitFlow::exitScreen();
    QVERIFY(exitScreen);
    QCOMPARE(visibleWindows(), QWidgetList {exitScreen.data()});
    QCOMPARE(exitScreen->windowTitle(), QStringLiteral("Palmora v" PALMORA_VERSION));
    // Nothing ends the program behind the user's back while the exit screen is
    // up: whatever closing the main window queued (a quit, a deferred delete)
    // has run once the queue is drained.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QFileInfo::exists(m_environment->env.lockFilePath));
    QVERIFY(exitScreen);
    QVERIFY(exitScreen->isVisible());

    // The program's own event loop runs until the exit screen ends it.
    QTimer::singleShot(0, exitScreen, [exitScreen, exitByButton] {
        if (exitByButton)
            QTest::mouseClick(exitScreen->findChild<QPushButton *>(QStringLiteral("exitButton")),
                              Qt::LeftButton);
        else
            exitScreen->close();
    });
    QTimer guard; // only fires if the loop never ends
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(30000);
    const int result = QApplication::exec();
    guard.stop();
    QCOMPARE(result, 0);
    QVERIFY(!QFileInfo::exists(m_environment->env.lockFilePath));
    QVERIFY(visibleWindows().isEmpty());
    QCOMPARE(messages.count(), 0);
}

QTEST_MAIN(TstExitFlow)
#include "tst_exitflow.moc"
