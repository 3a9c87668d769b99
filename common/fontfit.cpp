#include "common/fontfit.h"

#include <QFontMetrics>

#include <cmath>

namespace palmora {

namespace {
constexpr qreal kSmallest = 7.0;
constexpr qreal kStep = 0.25;
} // namespace

QFont fontToFit(const QFont &font, const QString &text, int width)
{
    const qreal size = font.pointSizeF();
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance <= width || size <= kSmallest)
        return font;
    QFont fitted = font;
    const auto fits = [&](qreal pointSize) {
        fitted.setPointSizeF(pointSize);
        return QFontMetrics(fitted).horizontalAdvance(text) <= width;
    };
    // Text grows in proportion to its size, give or take the hinting of a
    // pixel here and there. Sizes stay on the quarter points below the font's.
    const qreal estimate = size * width / advance;
    qreal pointSize = qMax(kSmallest, size - std::ceil((size - estimate) / kStep) * kStep);
    while (pointSize > kSmallest && !fits(pointSize))
        pointSize = qMax(kSmallest, pointSize - kStep);
    while (pointSize + kStep < size && fits(pointSize + kStep))
        pointSize += kStep;
    fitted.setPointSizeF(pointSize);
    return fitted;
}

} // namespace palmora
