#include "ui/appidentity.h"

#include "common/buildinfo.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace palmora::AppIdentity {

namespace {
// The translators' context of the program's name.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(AppIdentity)
};
} // namespace

QString windowCaption()
{
    return Texts::tr("Palmora v%1").arg(QStringLiteral(PALMORA_VERSION));
}

QIcon applicationIcon()
{
    static const QIcon icon = [] {
        QIcon built;
        // A title bar's size, a task bar's, and each doubled for a high-density
        // screen; the window system scales between them. Every size given here is
        // handed to the window system when a window is created, and launchers take
        // the large ones from the installed icon theme. The pixels are stored
        // bare: reading an image file would first make Qt look through every
        // image plugin on the disk.
        for (const int size : {16, 32, 64}) {
            const QResource pixels(QStringLiteral(":/icons/window/palmora-%1.rgba").arg(size));
            // Stored uncompressed: these are the resource's own bytes, not a copy.
            const QByteArray bytes = pixels.uncompressedData();
            if (bytes.size() != qsizetype(size) * size * 4)
                continue;
            const QImage picture(reinterpret_cast<const uchar *>(bytes.constData()), size, size,
                                 qsizetype(size) * 4, QImage::Format_RGBA8888);
            built.addPixmap(QPixmap::fromImage(picture));
        }
        return built;
    }();
    return icon;
}

} // namespace palmora::AppIdentity
