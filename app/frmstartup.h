#pragma once

#include "app/environment.h"
#include "app/frmmain.h"
#include "web/frmexitscreen.h"

#include <QIcon>
#include <QObject>
#include <QPointer>

#include <memory>

namespace palmora {

class SingleInstanceGuard;

// Owns start-up, the application icon and the one-copy lock, and is the one
// place the program ends. Never shown.
class FrmStartup : public QObject {
    Q_OBJECT
public:
    explicit FrmStartup(Environment env, QObject *parent = nullptr);
    ~FrmStartup() override;

    // Returns false when another copy is running: the caller then ends at once.
    bool start_up_sequence();
    // Unloads every open window and ends the event loop; safe to call again
    // while a call is under way.
    void quit_application();

    FrmMain *mainWindow() const { return m_main; }
    // The exit screen, once the main window has been closed.
    FrmExitScreen *exitScreen() const { return m_exitScreen; }
    bool isQuitting() const { return m_quitting; }

    static QString displayTitle();
    static QString windowCaption();
    static QIcon applicationIcon();

private:
    void frmMain_Unload();

    Environment m_env;
    std::unique_ptr<SingleInstanceGuard> m_guard;
    QPointer<FrmMain> m_main;
    QPointer<FrmExitScreen> m_exitScreen;
    bool m_quitting = false;
};

} // namespace palmora
