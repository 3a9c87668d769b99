#include "PalmLinePicture.h"

#include "Canvas.h"
#include "HandFigure.h"
#include "Style.h"

#include <QPainter>
#include <QPen>

#include <array>

namespace {

constexpr std::array<PalmLine, 4> MainLines {PalmLine::Life, PalmLine::Head, PalmLine::Heart, PalmLine::Fate};

HandLayout basePalm()
{
    HandProportions hp;
    hp.centreX = 78.0;
    hp.bottomY = 153.0;
    hp.palmHeight = 80.0;
    hp.topWidth = 72.0;
    hp.bottomWidth = 78.0;
    hp.fingerLength = 0.86;
    hp.fingerWidth = 0.94;
    hp.outerBulge = 4.0;
    return HandFigure::layoutFor(hp);
}

QPainterPath cubic(const HandFigure &h, QPointF start, QPointF c1, QPointF c2, QPointF end)
{
    QPainterPath path;
    path.moveTo(h.palmPoint(start.x(), start.y()));
    path.cubicTo(h.palmPoint(c1.x(), c1.y()), h.palmPoint(c2.x(), c2.y()), h.palmPoint(end.x(), end.y()));
    return path;
}

// Short dashes that start on the outer edge and run a little way inwards.
QPainterPath edgeDashes(const HandFigure &h, std::initializer_list<double> heights, double inward,
                        double rise)
{
    QPainterPath path;
    for (const double v : heights) {
        const QPointF edge = h.outerEdgeAt(v);
        path.moveTo(edge);
        path.quadTo(edge + QPointF(-0.5 * inward, -0.3 * rise), edge + QPointF(-inward, -rise));
    }
    return path;
}

} // namespace

PalmLinePicture::PalmLinePicture(PalmLine line)
    : m_line(line)
{
}

QPainterPath PalmLinePicture::linePath(PalmLine line, const HandFigure &h)
{
    switch (line) {
    case PalmLine::Life: {
        QPainterPath path;
        const QPointF start = h.thumbSideEdgeAt(0.25);
        path.moveTo(start);
        path.cubicTo(h.palmPoint(0.34, 0.30), h.palmPoint(0.46, 0.74), h.palmPoint(0.33, 1.0));
        return path;
    }
    case PalmLine::Head: {
        QPainterPath path;
        // Shares its first stretch with the life line before leaving it.
        const QPointF start = h.thumbSideEdgeAt(0.235);
        path.moveTo(start);
        path.cubicTo(h.palmPoint(0.30, 0.28), h.palmPoint(0.62, 0.38), h.palmPoint(0.92, 0.48));
        return path;
    }
    case PalmLine::Heart: {
        QPainterPath path;
        path.moveTo(h.outerEdgeAt(0.30));
        path.cubicTo(h.palmPoint(0.70, 0.20), h.palmPoint(0.38, 0.22), h.palmPoint(0.25, 0.03));
        return path;
    }
    case PalmLine::Fate:
        return cubic(h, {0.50, 0.99}, {0.48, 0.70}, {0.44, 0.35}, {0.41, 0.06});
    case PalmLine::Fame:
        return cubic(h, {0.70, 0.86}, {0.69, 0.62}, {0.66, 0.34}, {0.63, 0.08});
    case PalmLine::Marriage:
        return edgeDashes(h, {0.08, 0.14, 0.20}, 13.0, 0.8);
    case PalmLine::Health:
        return cubic(h, {0.82, 0.30}, {0.70, 0.48}, {0.52, 0.68}, {0.38, 0.82});
    case PalmLine::Travel:
        return edgeDashes(h, {0.70, 0.78, 0.86}, 13.0, 2.0);
    case PalmLine::Girdle:
        return cubic(h, {0.23, 0.00}, {0.32, 0.20}, {0.70, 0.20}, {0.76, 0.00});
    }
    return {};
}

QImage PalmLinePicture::render(int scale) const
{
    QImage image = Canvas::blank(Size, scale);
    QPainter painter(&image);
    Canvas::prepare(painter);

    const HandFigure hand(basePalm());
    hand.paint(painter);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Style::color(Style::FaintLine), Style::FaintLineWidth, Qt::SolidLine, Qt::RoundCap));
    for (const PalmLine main : MainLines) {
        // The strong version replaces the faint one, never doubles it.
        if (main != m_line)
            painter.drawPath(linePath(main, hand));
    }

    painter.setPen(
        QPen(Style::color(Style::Accent), Style::AccentWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(linePath(m_line, hand));
    painter.end();
    return image;
}
