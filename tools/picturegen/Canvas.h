#pragma once

#include <QFont>
#include <QImage>
#include <QSize>

class QPainter;
class QPainterPath;

namespace Canvas {

// The program shows a picture in a box of this size, from the picture's top left
// corner; whatever lies to the right of it or below it never reaches the screen.
inline constexpr QSize ShownArea {154, 180};

// Paper-coloured image of `size` logical pixels with `scale` device pixels to
// each, and fixed resolution metadata, so encoders never see a screen-dependent
// DPI. A painter on it works in logical units and Qt maps them onto the finer
// grid: a double-density picture is drawn anew, line by line and glyph by glyph.
QImage blank(QSize size, int scale);

// Transparent image for icons.
QImage transparent(QSize size);

void prepare(QPainter &painter);

// Bold DejaVu Sans at an exact pixel size, hinted the same way everywhere.
QFont labelFont(int pixelSize);

// A skin-coloured shape with the heavy outline every drawing uses: the outline is
// stroked first at twice its width and the fill then covers its inner half.
void drawSkinShape(QPainter &painter, const QPainterPath &outline);

} // namespace Canvas
