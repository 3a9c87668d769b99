#include "Canvas.h"

#include "Style.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

namespace {

// 96 dpi expressed per metre; JPEG and PNG headers carry it.
constexpr int DotsPerMetre = 3780;

QImage withFixedDpi(QImage image, int scale = 1)
{
    image.setDotsPerMeterX(scale * DotsPerMetre);
    image.setDotsPerMeterY(scale * DotsPerMetre);
    return image;
}

QString dejaVuFamily()
{
    // Loading the file directly keeps fontconfig substitutions out of the pixels.
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.constFirst();
    }();
    return family;
}

} // namespace

namespace Canvas {

QImage blank(QSize size, int scale)
{
    QImage image = withFixedDpi(QImage(size * scale, QImage::Format_RGB32), scale);
    image.setDevicePixelRatio(scale);
    image.fill(Style::color(Style::Paper));
    return image;
}

QImage transparent(QSize size)
{
    QImage image = withFixedDpi(QImage(size, QImage::Format_ARGB32_Premultiplied));
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont labelFont(int pixelSize)
{
    QFont font(dejaVuFamily());
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    return font;
}

void drawSkinShape(QPainter &painter, const QPainterPath &outline)
{
    painter.setPen(QPen(Style::color(Style::Outline), 2.0 * Style::OutlineWidth, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Style::color(Style::Skin));
    painter.drawPath(outline);
}

} // namespace Canvas
