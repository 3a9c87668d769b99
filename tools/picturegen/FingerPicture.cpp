#include "FingerPicture.h"

#include "Canvas.h"
#include "FingerShape.h"
#include "Style.h"

#include <QPainter>
#include <QPen>

namespace {

FingerProfile profileFor(FingerType type)
{
    FingerProfile profile;
    profile.length = 134.0;
    switch (type) {
    case FingerType::Conical:
        profile.tip = TipShape::Conical;
        profile.baseHalfWidth = 14.0;
        break;
    case FingerType::Spatulate:
        profile.tip = TipShape::Spatulate;
        profile.baseHalfWidth = 12.5;
        break;
    case FingerType::Straight:
        profile.tip = TipShape::Rounded;
        profile.baseHalfWidth = 12.0;
        break;
    case FingerType::Square:
        profile.tip = TipShape::Square;
        profile.baseHalfWidth = 13.0;
        break;
    case FingerType::Knotty:
        profile.tip = TipShape::Rounded;
        profile.baseHalfWidth = 11.5;
        profile.knotty = true;
        break;
    }
    return profile;
}

// The part of the outline that makes this finger type what it is.
QPainterPath featureOutline(FingerType type, const FingerShape &finger)
{
    switch (type) {
    case FingerType::Straight:
        return finger.sideOutlines(0.04, finger.characteristicTipStart());
    case FingerType::Knotty: {
        QPainterPath knots;
        for (const double joint : finger.jointFractions())
            knots.addPath(finger.sideOutlines(joint - 0.075, joint + 0.075));
        return knots;
    }
    case FingerType::Conical:
    case FingerType::Spatulate:
    case FingerType::Square:
        break;
    }
    return finger.tipOutline(finger.characteristicTipStart());
}

} // namespace

FingerPicture::FingerPicture(FingerType type)
    : m_type(type)
{
}

QImage FingerPicture::render(int scale) const
{
    QImage image = Canvas::blank(Size, scale);
    QPainter painter(&image);
    Canvas::prepare(painter);

    const FingerShape finger(profileFor(m_type));
    // The root runs off the bottom edge; only the finger itself is in frame.
    painter.translate(Size.width() / 2.0, Size.height() + 4.0);

    const QPainterPath outline = finger.outline();
    Canvas::drawSkinShape(painter, outline);

    painter.setPen(QPen(Style::color(Style::Crease), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(finger.jointCreases());

    painter.setPen(QPen(Style::color(Style::Accent), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(featureOutline(m_type, finger));
    painter.end();
    return image;
}
