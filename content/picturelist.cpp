#include "content/picturelist.h"

#include <algorithm>

namespace palmora {

QString PictureList::pictureName(int number)
{
    return QStringLiteral("%1.jpg").arg(number, 2, 10, QLatin1Char('0'));
}

QString PictureList::picturePath(int number)
{
    return QStringLiteral(":/pictures/") + pictureName(number);
}

QImage PictureList::picture(int number) const
{
    if (number < 1 || number > kPictureCount)
        return {};
    QImage &slot = m_cache[number - 1];
    if (slot.isNull())
        slot.load(picturePath(number), "JPG");
    return slot;
}

int PictureList::decodedCount() const
{
    return static_cast<int>(
        std::count_if(m_cache.begin(), m_cache.end(), [](const QImage &image) { return !image.isNull(); }));
}

} // namespace palmora
