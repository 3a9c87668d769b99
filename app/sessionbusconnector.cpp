#include "app/sessionbusconnector.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace palmora {

bool sessionBusAnnounced(const QString &busAddress, const QString &runtimeFolder)
{
    if (!busAddress.isEmpty())
        return true;
    if (runtimeFolder.isEmpty())
        return false;
    struct stat status { };
    return ::stat(QFile::encodeName(QDir(runtimeFolder).filePath(QStringLiteral("bus"))).constData(), &status)
        == 0
        && S_ISSOCK(status.st_mode);
}

SessionBusConnector::SessionBusConnector()
{
    if (!sessionBusAnnounced(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"),
                             qEnvironmentVariable("XDG_RUNTIME_DIR")))
        m_thread = std::jthread([] { QDBusConnection::sessionBus(); });
}

} // namespace palmora
