#pragma once

#include <QByteArray>
#include <QImage>
#include <QLineF>
#include <QRectF>

#include <array>

// Open palm on a rounded blue tile with one accent line. Geometry lives in a
// 256-unit square and feeds both the raster sizes and the SVG.
class AppIcon {
public:
    static constexpr double Units = 256.0;

    QImage render(int size) const;
    QByteArray svg() const;

private:
    struct Geometry {
        QRectF tile;
        double tileRadius;
        QRectF palm;
        double palmRadius;
        std::array<QLineF, 4> fingers;
        double fingerWidth;
        QLineF thumb;
        double thumbWidth;
        std::array<QPointF, 4> line; // cubic: start, control, control, end
        double lineWidth;
        double outlineWidth; // visible part outside the skin
    };

    // Tiny sizes get fatter strokes so the hand still reads as a hand.
    static Geometry geometry(int size);
};
