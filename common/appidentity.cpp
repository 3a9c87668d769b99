#include "common/appidentity.h"

#include <QImageReader>
#include <QPixmap>

namespace palmora::AppIdentity {

QString windowCaption()
{
    return QStringLiteral("Palmora v1.20");
}

QIcon applicationIcon()
{
    static const QIcon icon = [] {
        QIcon built;
        // A title bar's size, a task bar's, and each doubled for a high-density
        // screen; the window system scales between them. Every size given here is
        // decoded when a window is created, and launchers take the large ones from
        // the installed icon theme.
        for (const int size : {16, 32, 64}) {
            QImageReader reader(QStringLiteral(":/icons/hicolor/%1x%1/apps/palmora.png").arg(size), "png");
            // Otherwise every image plugin is loaded to be asked whether it
            // reads PNG better than Qt itself.
            reader.setAutoDetectImageFormat(false);
            const QImage picture = reader.read();
            if (!picture.isNull())
                built.addPixmap(QPixmap::fromImage(picture));
        }
        return built;
    }();
    return icon;
}

} // namespace palmora::AppIdentity
