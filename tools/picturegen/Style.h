#pragma once

#include <QColor>
#include <QRgb>

// One palette for every picture so the set reads as a single illustrated book.
namespace Style {

inline constexpr QRgb Paper = qRgb(255, 255, 255);
inline constexpr QRgb Skin = qRgb(249, 224, 200);
inline constexpr QRgb Outline = qRgb(94, 66, 52);
inline constexpr QRgb Crease = qRgb(184, 146, 124);
inline constexpr QRgb FaintLine = qRgb(168, 132, 112);
inline constexpr QRgb Accent = qRgb(204, 20, 66);
inline constexpr QRgb AccentTint = qRgb(246, 176, 194);
inline constexpr QRgb Ink = qRgb(62, 44, 38);
inline constexpr QRgb Card = qRgb(253, 249, 244);
inline constexpr QRgb CardEdge = qRgb(226, 210, 196);
inline constexpr QRgb IconTile = qRgb(108, 177, 253);

inline constexpr double OutlineWidth = 1.4;
inline constexpr double CreaseWidth = 0.8;
inline constexpr double FaintLineWidth = 1.0;
inline constexpr double AccentWidth = 2.4;

inline QColor color(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

} // namespace Style
