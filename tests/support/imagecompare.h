#pragma once

#include <QString>

class QImage;

namespace palmora::testing {

// Empty when the two images show the same drawing, else the first difference
// in words: the same size, the same opacity in every pixel, and colours that
// differ by at most one level once premultiplied by their opacity, which is how
// they are drawn. Qt keeps semi-transparent pixels premultiplied, and rounds on
// the way there and back along a path chosen by the processor's vector
// instructions (AVX-512 rounds differently from SSE), so pixels that went
// through a conversion cannot be compared byte for byte on every machine.
QString drawingDifference(const QImage &shown, const QImage &expected);

} // namespace palmora::testing
