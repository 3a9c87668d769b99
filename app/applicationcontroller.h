#pragma once

#include "app/mainwindow.h"
#include "common/environment.h"
#include "web/exitscreen.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace palmora {

class SingleInstanceGuard;

// Runs the program from start to end: start-up, the one-copy lock, the step from
// the main window to the exit screen, and the one place the program ends. Never
// shown.
class ApplicationController : public QObject {
    Q_OBJECT
public:
    explicit ApplicationController(Environment env, QObject *parent = nullptr);
    ~ApplicationController() override;

    // Returns false when another copy is running: the caller then ends at once.
    bool start();
    // Unloads every open window and ends the event loop; safe to call again
    // while a call is under way.
    void quit();

private:
    void onMainWindowClosing();
    // Builds the exit screen, hidden, ahead of the main window closing, so it
    // only has to be shown then.
    void prepareExitScreen();
    ExitScreen *makeExitScreen();

    Environment m_env;
    std::unique_ptr<SingleInstanceGuard> m_guard;
    QPointer<MainWindow> m_main;
    QPointer<ExitScreen> m_exitScreen;
    QPointer<ExitScreen> m_preparedExitScreen;
    bool m_quitting = false;
};

} // namespace palmora
