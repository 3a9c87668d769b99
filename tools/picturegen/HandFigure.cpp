#include "HandFigure.h"

#include "Style.h"

#include <QPainter>
#include <QPen>

#include <cmath>
#include <vector>

namespace {

QTransform placement(const Digit &digit)
{
    QTransform transform;
    transform.translate(digit.base.x(), digit.base.y());
    transform.rotate(digit.angleDegrees);
    return transform;
}

} // namespace

HandFigure::HandFigure(const HandLayout &layout)
    : m_layout(layout)
    , m_fingers {FingerShape(layout.fingers[0].profile), FingerShape(layout.fingers[1].profile),
                 FingerShape(layout.fingers[2].profile), FingerShape(layout.fingers[3].profile)}
    , m_thumb(layout.thumb.profile)
{
    m_palm = buildPalm();

    const PalmOutline &p = m_layout.palm;
    const double centreX = 0.5 * (p.bottomLeft.x() + p.bottomRight.x());
    const double wristTop = 0.5 * (p.bottomLeft.y() + p.bottomRight.y()) - 14.0;
    // Runs well past any canvas so the forearm is simply cut by the frame.
    m_wrist.addRect(QRectF(centreX - p.wristHalfWidth, wristTop, 2.0 * p.wristHalfWidth, 400.0));

    m_silhouette.setFillRule(Qt::WindingFill);
    m_silhouette.addPath(m_wrist);
    m_silhouette.addPath(m_palm);
    m_silhouette.addPath(thumbTransform().map(m_thumb.outline()));
    for (int i = 0; i < 4; ++i)
        m_silhouette.addPath(fingerTransform(i).map(m_fingers[i].outline()));
}

HandLayout HandFigure::layoutFor(const HandProportions &hp)
{
    HandLayout layout;
    const double topY = hp.bottomY - hp.palmHeight;
    layout.palm.topLeft = QPointF(hp.centreX - 0.5 * hp.topWidth, topY);
    layout.palm.topRight = QPointF(hp.centreX + 0.5 * hp.topWidth, topY);
    layout.palm.bottomLeft = QPointF(hp.centreX - 0.5 * hp.bottomWidth, hp.bottomY);
    layout.palm.bottomRight = QPointF(hp.centreX + 0.5 * hp.bottomWidth, hp.bottomY);
    layout.palm.outerBulge = hp.outerBulge;
    layout.palm.thenarBulge = 0.20 * hp.bottomWidth;
    layout.palm.wristHalfWidth = 0.37 * hp.bottomWidth;

    // Index to little finger: the little finger sits lower and fans outwards.
    constexpr std::array<double, 4> rootDrop {2.0, 0.0, 1.0, 5.0};
    constexpr std::array<double, 4> widthFactor {1.0, 1.05, 0.98, 0.84};
    constexpr std::array<double, 4> lengthFactor {0.74, 0.84, 0.77, 0.58};
    constexpr std::array<double, 4> angle {-6.0, -1.0, 4.5, 11.0};
    const double slot = hp.topWidth / 4.0;
    for (int i = 0; i < 4; ++i) {
        Digit &digit = layout.fingers[i];
        digit.base = QPointF(layout.palm.topLeft.x() + (i + 0.5) * slot, topY + rootDrop[i]);
        digit.angleDegrees = angle[i];
        digit.profile.tip = hp.tips[i];
        digit.profile.baseHalfWidth = 0.5 * slot * hp.fingerWidth * widthFactor[i];
        digit.profile.length = hp.palmHeight * hp.fingerLength * lengthFactor[i];
    }

    // Rooted low in the ball of the thumb, so the web above it is a real edge
    // of the palm where the life and head lines can start.
    const double thumbV = 0.70;
    layout.thumb.base = layout.palm.topLeft + thumbV * (layout.palm.bottomLeft - layout.palm.topLeft)
        + QPointF(0.12 * hp.topWidth, 0.0);
    layout.thumb.angleDegrees = -40.0;
    layout.thumb.profile.tip = hp.thumbTip;
    layout.thumb.profile.thumb = true;
    layout.thumb.profile.baseHalfWidth = 0.5 * slot * 1.45 * hp.fingerWidth;
    layout.thumb.profile.length = hp.palmHeight * 0.80 * std::sqrt(hp.fingerLength);
    return layout;
}

QPainterPath HandFigure::buildPalm() const
{
    const PalmOutline &p = m_layout.palm;
    const double height = p.bottomLeft.y() - p.topLeft.y();
    const double topWidth = p.topRight.x() - p.topLeft.x();

    QPainterPath path;
    path.moveTo(p.topLeft);
    path.cubicTo(p.topLeft + QPointF(0.3 * topWidth, -3.0), p.topRight + QPointF(-0.3 * topWidth, -3.0),
                 p.topRight);
    path.cubicTo(p.topRight + QPointF(p.outerBulge, 0.3 * height),
                 p.bottomRight + QPointF(p.outerBulge, -0.3 * height), p.bottomRight);
    // The heel of the hand is slightly rounded where it meets the wrist.
    const double bottomWidth = p.bottomRight.x() - p.bottomLeft.x();
    path.cubicTo(p.bottomRight + QPointF(-0.2 * bottomWidth, 5.0),
                 p.bottomLeft + QPointF(0.2 * bottomWidth, 5.0), p.bottomLeft);
    path.cubicTo(p.bottomLeft + QPointF(-1.05 * p.thenarBulge, -0.35 * height),
                 p.topLeft + QPointF(-0.6 * p.thenarBulge, 0.45 * height), p.topLeft);
    path.closeSubpath();
    return path;
}

QTransform HandFigure::fingerTransform(int index) const
{
    return placement(m_layout.fingers.at(index));
}

QTransform HandFigure::thumbTransform() const
{
    return placement(m_layout.thumb);
}

void HandFigure::paint(QPainter &painter) const
{
    std::vector<QPainterPath> parts;
    parts.push_back(m_wrist);
    parts.push_back(m_palm);
    parts.push_back(thumbTransform().map(m_thumb.outline()));
    for (int i = 0; i < 4; ++i)
        parts.push_back(fingerTransform(i).map(m_fingers[i].outline()));

    painter.save();
    // A double-width stroke under every part, then all the fills on top: only
    // the outer half of the stroke survives, and only where no part overlaps.
    const QPen outlinePen(Style::color(Style::Outline), 2.0 * Style::OutlineWidth, Qt::SolidLine,
                          Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(outlinePen);
    painter.setBrush(Qt::NoBrush);
    for (const QPainterPath &part : parts)
        painter.drawPath(part);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Style::color(Style::Skin));
    for (const QPainterPath &part : parts)
        painter.drawPath(part);

    const QPen creasePen(Style::color(Style::Crease), Style::CreaseWidth, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(creasePen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(thumbTransform().map(m_thumb.jointCreases()));
    for (int i = 0; i < 4; ++i)
        painter.drawPath(fingerTransform(i).map(m_fingers[i].jointCreases()));
    painter.restore();
}

QPointF HandFigure::palmPoint(double u, double v) const
{
    const PalmOutline &p = m_layout.palm;
    const QPointF top = p.topLeft + u * (p.topRight - p.topLeft);
    const QPointF bottom = p.bottomLeft + u * (p.bottomRight - p.bottomLeft);
    return top + v * (bottom - top);
}

QPointF HandFigure::edgeSearch(QPointF inside, QPointF direction) const
{
    // March to the first exit (the thumb may lie further out), then refine.
    double in = 0.0;
    double out = 0.0;
    for (double step = 0.25; step < 120.0; step += 0.25) {
        if (!m_silhouette.contains(inside + step * direction)) {
            out = step;
            break;
        }
        in = step;
    }
    for (int i = 0; i < 20; ++i) {
        const double mid = 0.5 * (in + out);
        if (m_silhouette.contains(inside + mid * direction))
            in = mid;
        else
            out = mid;
    }
    return inside + in * direction;
}

QPointF HandFigure::outerEdgeAt(double v) const
{
    return edgeSearch(palmPoint(0.8, v), QPointF(1.0, 0.0));
}

QPointF HandFigure::thumbSideEdgeAt(double v) const
{
    return edgeSearch(palmPoint(0.2, v), QPointF(-1.0, 0.0));
}
