#include "imagecompare.h"

#include <QImage>

#include <cstdlib>

namespace palmora::testing {

QString drawingDifference(const QImage &shown, const QImage &expected)
{
    if (shown.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(shown.width())
            .arg(shown.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < a.height(); ++y) {
        const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = lineA[x];
            const QRgb q = lineB[x];
            const bool same = qAlpha(p) == qAlpha(q) && std::abs(qRed(p) - qRed(q)) <= 1
                && std::abs(qGreen(p) - qGreen(q)) <= 1 && std::abs(qBlue(p) - qBlue(q)) <= 1;
            if (!same)
                return QStringLiteral("pixel (%1, %2) is #%3, expected #%4 (premultiplied ARGB)")
                    .arg(x)
                    .arg(y)
                    .arg(p, 8, 16, QLatin1Char('0'))
                    .arg(q, 8, 16, QLatin1Char('0'));
        }
    }
    return {};
}

} // namespace palmora::testing
