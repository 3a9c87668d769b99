#include "common/appidentity.h"

#include <QFile>

namespace palmora::AppIdentity {

QString windowCaption()
{
    return QStringLiteral("Palmora v1.20");
}

QIcon applicationIcon()
{
    static const QIcon icon = [] {
        QIcon built;
        // The sizes title bars and task bars use. Every size given here is decoded
        // when a window is created, so the large ones (launchers take those from
        // the installed icon theme) would only slow down start-up. At a device
        // pixel ratio of 2 Qt hands the window system the 64 for a 32 title-bar
        // icon, so the double-density screen needs no larger file either.
        for (const int size : {16, 22, 24, 32, 48, 64}) {
            const QString path = QStringLiteral(":/icons/hicolor/%1x%1/apps/palmora.png").arg(size);
            if (QFile::exists(path))
                built.addFile(path, QSize(size, size));
        }
        return built;
    }();
    return icon;
}

} // namespace palmora::AppIdentity
