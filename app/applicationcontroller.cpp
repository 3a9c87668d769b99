#include "app/applicationcontroller.h"

#include "app/mainwindow.h"
#include "app/singleinstanceguard.h"
#include "common/randomsource.h"
#include "ui/appidentity.h"
#include "ui/messagebox.h"
#include "web/exitscreen.h"
#include "web/reminderrecord.h"
#include "web/updatereminder.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace palmora {

ApplicationController::ApplicationController(Environment env, QObject *parent)
    : QObject(parent)
    , m_env(std::move(env))
{
    setObjectName(QStringLiteral("applicationController"));
}

ApplicationController::~ApplicationController()
{
    delete m_preparedExitScreen;
}

bool ApplicationController::start()
{
    // Closing the last window must not end the program: only quit does.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(AppIdentity::applicationIcon());

    m_guard = std::make_unique<SingleInstanceGuard>(m_env.lockFilePath);
    if (m_guard->acquire() == SingleInstanceGuard::Result::AlreadyRunning) {
        MessageBox::information(nullptr, tr("Application is already running"));
        m_guard.reset(); // the lock is not ours; leave it untouched
        quit();
        return false;
    }
    // A lock that cannot be made for another reason never keeps the user out.

    if (m_env.today) {
        ReminderRecord record;
        runUpdateReminder(record, m_env.today());
    }

    m_main = new MainWindow(m_env);
    m_main->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_main, &MainWindow::unloading, this, &ApplicationController::onMainWindowClosing);
    // Building the exit screen loads a dozen fonts; done while the user looks
    // at the open File menu, after it is drawn, File > Exit only shows it.
    connect(m_main, &MainWindow::fileMenuShown, this, &ApplicationController::prepareExitScreen);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_main->move(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, m_main->size(), screen->availableGeometry())
                .topLeft());
    m_main->show();
    return true;
}

void ApplicationController::onMainWindowClosing()
{
    // quit() closes the main window too; the program is ending then.
    if (m_quitting || m_exitScreen)
        return;
    // The exit screen has no owner: it outlives the main window, which finishes
    // closing after this returns. The program runs on until it is closed.
    ExitScreen *exitScreen = m_preparedExitScreen ? m_preparedExitScreen.data() : makeExitScreen();
    m_preparedExitScreen = nullptr;
    exitScreen->setAttribute(Qt::WA_DeleteOnClose);
    connect(exitScreen, &ExitScreen::unloading, this, &ApplicationController::quit);
    m_exitScreen = exitScreen;
    exitScreen->show();
    exitScreen->activateWindow();
}

void ApplicationController::prepareExitScreen()
{
    if (m_quitting || m_exitScreen || m_preparedExitScreen || !m_main)
        return;
    m_preparedExitScreen = makeExitScreen();
    // Its window made (unmapped) and drawn once off screen, so showing it only
    // maps the window and copies glyphs that are ready.
    m_preparedExitScreen->winId();
    m_preparedExitScreen->grab();
}

ExitScreen *ApplicationController::makeExitScreen()
{
    if (!m_env.random)
        m_env.random = std::make_shared<GeneratorRandomSource>();
    return new ExitScreen(*m_env.random);
}

void ApplicationController::quit()
{
    if (m_quitting)
        return; // the call under way finishes the job
    m_quitting = true;
    delete m_preparedExitScreen; // never shown: nobody else closes it
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible())
            window->close();
    }
    if (m_guard)
        m_guard->release();
    QCoreApplication::exit(0);
}

} // namespace palmora
