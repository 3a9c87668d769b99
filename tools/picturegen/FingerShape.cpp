#include "FingerShape.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SamplesPerSide = 240;

double smoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

double bump(double x, double centre, double spread)
{
    const double d = (x - centre) / spread;
    return std::exp(-d * d);
}

} // namespace

FingerShape::FingerShape(const FingerProfile &profile)
    : m_profile(profile)
{
    m_capLength = capLength();
}

FingerShape::CapForm FingerShape::capForm() const
{
    // A superellipse cap: exponent above 2 squares the tip off, below 2 points it.
    switch (m_profile.tip) {
    case TipShape::Square:
        return {6.0, 0.55};
    case TipShape::Spatulate:
        return {3.2, 0.55};
    case TipShape::Conical:
        return {1.85, 1.6};
    case TipShape::Pointed:
        return {1.3, 2.5};
    case TipShape::Rounded:
        break;
    }
    return {2.0, 1.0};
}

double FingerShape::capLength() const
{
    return capForm().lengthRatio * bodyHalfWidth(1.0);
}

double FingerShape::bodyHalfWidth(double fraction) const
{
    const double u = std::clamp(fraction, 0.0, 1.0);
    const double b = m_profile.baseHalfWidth;
    double width = b;
    switch (m_profile.tip) {
    case TipShape::Square:
        width = b * (1.0 - 0.04 * u);
        break;
    case TipShape::Rounded:
        width = b * (1.0 - 0.07 * u);
        break;
    case TipShape::Conical:
        // Full at the root, narrowing steadily towards the tip.
        width = b * (1.0 - 0.30 * std::pow(u, 0.9));
        break;
    case TipShape::Pointed:
        width = b * (1.0 - 0.34 * u);
        break;
    case TipShape::Spatulate:
        // Slight waist at the middle joint, then the flare that gives the name.
        width = b * (1.0 - 0.12 * smoothStep(0.0, 0.55, u) + 0.36 * smoothStep(0.55, 0.97, u));
        break;
    }
    if (m_profile.knotty) {
        for (const double joint : jointFractions())
            width += b * 0.22 * bump(u, joint, 0.05);
    }
    return width;
}

double FingerShape::halfWidthAt(double distance) const
{
    const double length = m_profile.length;
    if (distance <= 0.0)
        return m_profile.baseHalfWidth;
    const double capStart = length - m_capLength;
    if (distance <= capStart)
        return bodyHalfWidth(distance / length);
    const double w0 = bodyHalfWidth(capStart / length);
    const CapForm form = capForm();
    const double x = std::clamp((distance - capStart) / m_capLength, 0.0, 1.0);
    return w0 * std::pow(std::max(0.0, 1.0 - std::pow(x, form.exponent)), 1.0 / form.exponent);
}

std::vector<double> FingerShape::samplePositions(double from, double to) const
{
    // Denser towards the end so round tips stay round.
    std::vector<double> positions;
    positions.reserve(SamplesPerSide + 1);
    for (int i = 0; i <= SamplesPerSide; ++i) {
        const double v = double(i) / SamplesPerSide;
        positions.push_back(from + (to - from) * (1.0 - (1.0 - v) * (1.0 - v)));
    }
    return positions;
}

void FingerShape::appendSide(QPainterPath &path, double from, double to, double side, bool moveFirst) const
{
    std::vector<double> positions = samplePositions(std::min(from, to), std::max(from, to));
    if (from > to)
        std::reverse(positions.begin(), positions.end());
    bool first = moveFirst;
    for (const double s : positions) {
        const QPointF point(side * halfWidthAt(s), -s);
        if (first) {
            path.moveTo(point);
            first = false;
        } else {
            path.lineTo(point);
        }
    }
}

QPainterPath FingerShape::outline() const
{
    const double root = -1.6 * m_profile.baseHalfWidth;
    QPainterPath path;
    appendSide(path, root, m_profile.length, -1.0, true);
    appendSide(path, m_profile.length, root, 1.0, false);
    path.closeSubpath();
    return path;
}

QPainterPath FingerShape::tipOutline(double fromFraction) const
{
    const double from = fromFraction * m_profile.length;
    QPainterPath path;
    appendSide(path, from, m_profile.length, -1.0, true);
    appendSide(path, m_profile.length, from, 1.0, false);
    return path;
}

QPainterPath FingerShape::sideOutlines(double fromFraction, double toFraction) const
{
    const double from = fromFraction * m_profile.length;
    const double to = toFraction * m_profile.length;
    QPainterPath path;
    appendSide(path, from, to, -1.0, true);
    appendSide(path, from, to, 1.0, true);
    return path;
}

double FingerShape::characteristicTipStart() const
{
    const double capStart = 1.0 - m_capLength / m_profile.length;
    switch (m_profile.tip) {
    case TipShape::Spatulate:
        return 0.60;
    case TipShape::Square:
        return capStart - 0.06;
    case TipShape::Conical:
    case TipShape::Pointed:
        return capStart - 0.04;
    case TipShape::Rounded:
        break;
    }
    return capStart;
}

std::vector<double> FingerShape::jointFractions() const
{
    if (m_profile.thumb)
        return {0.60};
    return {0.45, 0.72};
}

QPainterPath FingerShape::jointCreases() const
{
    QPainterPath path;
    for (const double joint : jointFractions()) {
        const double s = joint * m_profile.length;
        const double half = 0.62 * halfWidthAt(s);
        // Slight sag, as skin folds do on the palm side.
        path.moveTo(-half, -s);
        path.quadTo(0.0, -s + 0.18 * half, half, -s);
    }
    return path;
}
