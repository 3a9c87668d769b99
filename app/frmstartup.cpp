#include "app/frmstartup.h"

#include "app/frmmain.h"
#include "app/messagebox.h"
#include "app/singleinstanceguard.h"
#include "test/randomsource.h"
#include "web/frmexitscreen.h"
#include "web/reminderrecord.h"
#include "web/updatereminder.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace palmora {

FrmStartup::FrmStartup(Environment env, QObject *parent)
    : QObject(parent)
    , m_env(std::move(env))
{
    setObjectName(QStringLiteral("frmStartup"));
}

FrmStartup::~FrmStartup() = default;

QString FrmStartup::displayTitle()
{
    return MessageBox::displayTitle();
}

QString FrmStartup::windowCaption()
{
    return QStringLiteral("Palmora v1.20");
}

QIcon FrmStartup::applicationIcon()
{
    static const QIcon icon = [] {
        QIcon built;
        // The sizes title bars and task bars use. Every size given here is decoded
        // when a window is created, so the large ones (launchers take those from
        // the installed icon theme) would only slow down start-up.
        for (const int size : {16, 22, 24, 32, 48, 64}) {
            const QString path = QStringLiteral(":/icons/hicolor/%1x%1/apps/palmora.png").arg(size);
            if (QFile::exists(path))
                built.addFile(path, QSize(size, size));
        }
        return built;
    }();
    return icon;
}

bool FrmStartup::start_up_sequence()
{
    // Closing the last window must not end the program: only quit_application does.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(applicationIcon());

    m_guard = std::make_unique<SingleInstanceGuard>(m_env.lockFilePath);
    if (m_guard->acquire() == SingleInstanceGuard::Result::AlreadyRunning) {
        MessageBox::information(nullptr, tr("Application is already running"));
        m_guard.reset(); // the lock is not ours; leave it untouched
        quit_application();
        return false;
    }
    // A lock that cannot be made for another reason never keeps the user out.

    if (m_env.today) {
        ReminderRecord record;
        update_reminder(record, m_env.today());
    }

    m_main = new FrmMain(m_env);
    m_main->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_main, &FrmMain::unloading, this, &FrmStartup::frmMain_Unload);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_main->move(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, m_main->size(), screen->availableGeometry())
                .topLeft());
    m_main->show();
    return true;
}

void FrmStartup::frmMain_Unload()
{
    // quit_application() closes the main window too; the program is ending then.
    if (m_quitting || m_exitScreen)
        return;
    // The exit screen has no owner: it outlives the main window, which finishes
    // closing after this returns. The program runs on until it is closed.
    if (!m_env.random)
        m_env.random = std::make_shared<GeneratorRandomSource>();
    auto *exitScreen = new FrmExitScreen(*m_env.random);
    exitScreen->setAttribute(Qt::WA_DeleteOnClose);
    connect(exitScreen, &FrmExitScreen::unloading, this, &FrmStartup::quit_application);
    m_exitScreen = exitScreen;
    exitScreen->show();
}

void FrmStartup::quit_application()
{
    if (m_quitting)
        return; // the call under way finishes the job
    m_quitting = true;
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
