#pragma once

#include <QFont>
#include <QImage>
#include <QSize>

class QPainter;

namespace Canvas {

// Paper-coloured image with fixed resolution metadata, so encoders never see
// a screen-dependent DPI.
QImage blank(QSize size);

// Transparent image for icons.
QImage transparent(QSize size);

void prepare(QPainter &painter);

// Bold DejaVu Sans at an exact pixel size, hinted the same way everywhere.
QFont labelFont(int pixelSize);

} // namespace Canvas
