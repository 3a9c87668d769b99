#include "content/picturelist.h"

#include <utility>

namespace palmora {

PictureList::PictureList(QString folder)
    : m_folder(std::move(folder))
{
}

QString PictureList::pictureName(int number, int scale)
{
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QStringLiteral("%1%2.jpg").arg(number, 2, 10, QLatin1Char('0')).arg(suffix);
}

QImage PictureList::picture(int number, qreal devicePixelRatio) const
{
    if (number < 1 || number > kPictureCount)
        return {};
    const int scale = devicePixelRatio > 1.0 ? 2 : 1;
    QImage &slot = (scale == 1 ? m_single : m_double)[number - 1];
    if (slot.isNull() && slot.load(m_folder + QLatin1Char('/') + pictureName(number, scale), "JPG"))
        slot.setDevicePixelRatio(scale);
    // Without its double-density drawing a picture is still shown, enlarged.
    if (slot.isNull() && scale != 1)
        return picture(number);
    return slot;
}

} // namespace palmora
