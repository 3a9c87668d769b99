#include "HandTypePicture.h"

#include "Canvas.h"
#include "HandFigure.h"
#include "Style.h"

#include <QPainter>
#include <QPolygonF>

namespace {

HandProportions proportionsFor(HandType type)
{
    HandProportions hp;
    hp.centreX = 88.0;
    hp.bottomY = 166.0;
    switch (type) {
    case HandType::Square:
        hp.palmHeight = 80.0;
        hp.topWidth = 80.0;
        hp.bottomWidth = 80.0;
        hp.fingerLength = 0.86;
        hp.fingerWidth = 0.96;
        hp.tips.fill(TipShape::Square);
        hp.thumbTip = TipShape::Square;
        hp.outerBulge = 1.0;
        break;
    case HandType::Spatulate:
        hp.palmHeight = 78.0;
        hp.topWidth = 70.0;
        hp.bottomWidth = 90.0;
        hp.fingerLength = 0.98;
        hp.fingerWidth = 0.84;
        hp.tips.fill(TipShape::Spatulate);
        hp.thumbTip = TipShape::Rounded;
        hp.outerBulge = 2.0;
        break;
    case HandType::Conical:
        hp.palmHeight = 80.0;
        hp.topWidth = 66.0;
        hp.bottomWidth = 80.0;
        hp.fingerLength = 1.0;
        hp.fingerWidth = 1.0;
        hp.tips.fill(TipShape::Conical);
        hp.thumbTip = TipShape::Conical;
        hp.outerBulge = 5.0;
        break;
    case HandType::Psychic:
        hp.centreX = 90.0;
        hp.bottomY = 168.0;
        hp.palmHeight = 84.0;
        hp.topWidth = 56.0;
        hp.bottomWidth = 58.0;
        hp.fingerLength = 1.08;
        hp.fingerWidth = 0.82;
        hp.tips.fill(TipShape::Pointed);
        hp.thumbTip = TipShape::Conical;
        hp.outerBulge = 3.0;
        break;
    case HandType::Mixed:
        hp.palmHeight = 80.0;
        hp.topWidth = 72.0;
        hp.bottomWidth = 76.0;
        hp.fingerLength = 0.98;
        hp.fingerWidth = 0.92;
        hp.tips = {TipShape::Pointed, TipShape::Square, TipShape::Spatulate, TipShape::Conical};
        hp.thumbTip = TipShape::Rounded;
        hp.outerBulge = 3.0;
        break;
    }
    return hp;
}

} // namespace

HandTypePicture::HandTypePicture(HandType type)
    : m_type(type)
{
}

QImage HandTypePicture::render(int scale) const
{
    QImage image = Canvas::blank(Size, scale);
    QPainter painter(&image);
    Canvas::prepare(painter);

    const HandFigure hand(HandFigure::layoutFor(proportionsFor(m_type)));
    hand.paint(painter);

    // Dashed guide showing the geometric shape of the palm itself. A mixed hand
    // is told by its fingers alone, so it gets none.
    if (m_type != HandType::Mixed) {
        const QPolygonF guide {hand.palmPoint(0.14, 0.16), hand.palmPoint(0.86, 0.16),
                               hand.palmPoint(0.9, 0.9), hand.palmPoint(0.1, 0.9)};
        QPen guidePen(Style::color(Style::Accent), 1.2, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin);
        guidePen.setDashPattern({3.0, 2.0});
        painter.setPen(guidePen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(guide);
    }

    const QPen tipPen(Style::color(Style::Accent), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(tipPen);
    for (int i = 0; i < 4; ++i) {
        const FingerShape &finger = hand.finger(i);
        painter.drawPath(hand.fingerTransform(i).map(finger.tipOutline(finger.characteristicTipStart())));
    }
    painter.end();
    return image;
}
