#pragma once

#include <QString>

#include <thread>

namespace palmora {

// Whether a session bus can be reached without starting a program: its address
// is in the environment, or the user's session keeps its socket in the runtime
// folder. Otherwise the bus library runs dbus-launch to find or start one.
bool sessionBusAnnounced(const QString &busAddress, const QString &runtimeFolder);

// Building the menu bar asks the session bus whether the desktop shows menus
// in a global menu bar, and the first label asks it whether a screen reader is
// listening; the first of them waits on the main thread for the connection.
// Without an announced bus that means waiting for dbus-launch to start and
// answer, so the connection is then made on a thread of its own, beside the
// window's making, and both find it made (or failed) when they ask. Made after
// the application object; its destructor waits for the connection, so the
// thread never outlives the application object.
class SessionBusConnector {
public:
    SessionBusConnector();
    ~SessionBusConnector() = default;
    SessionBusConnector(const SessionBusConnector &) = delete;
    SessionBusConnector &operator=(const SessionBusConnector &) = delete;

private:
    std::jthread m_thread;
};

} // namespace palmora
