#pragma once

#include "FingerShape.h"

#include <QPainterPath>
#include <QPointF>
#include <QTransform>

#include <array>

class QPainter;

// Palm corners as seen from the palm side of a right hand: the thumb side is
// on the left of the picture, the outer (little finger) edge on the right.
struct PalmOutline {
    QPointF topLeft;
    QPointF topRight;
    QPointF bottomLeft;
    QPointF bottomRight;
    double outerBulge = 4.0;
    double thenarBulge = 8.0;
    double wristHalfWidth = 20.0;
};

struct Digit {
    FingerProfile profile;
    QPointF base;
    double angleDegrees = 0.0;
};

struct HandLayout {
    PalmOutline palm;
    std::array<Digit, 4> fingers; // index, middle, ring, little
    Digit thumb;
};

// The few numbers that make one hand type look different from another.
struct HandProportions {
    double centreX = 80.0;
    double bottomY = 160.0; // heel of the palm
    double palmHeight = 75.0;
    double topWidth = 70.0;
    double bottomWidth = 70.0;
    double fingerLength = 1.0;
    double fingerWidth = 1.0;
    std::array<TipShape, 4> tips {TipShape::Rounded, TipShape::Rounded, TipShape::Rounded, TipShape::Rounded};
    TipShape thumbTip = TipShape::Rounded;
    double outerBulge = 4.0;
};

class HandFigure {
public:
    explicit HandFigure(const HandLayout &layout);

    static HandLayout layoutFor(const HandProportions &proportions);

    const HandLayout &layout() const { return m_layout; }

    // Skin-filled silhouette with a single outer outline and finger creases.
    void paint(QPainter &painter) const;

    QPainterPath palmPath() const { return m_palm; }

    // Bilinear position inside the palm quad: u runs from the thumb edge (0) to
    // the outer edge (1), v from the finger roots (0) to the wrist (1).
    QPointF palmPoint(double u, double v) const;

    // Where a horizontal line at height v leaves the hand on the outer side.
    QPointF outerEdgeAt(double v) const;
    // Same on the thumb side, just above the thumb.
    QPointF thumbSideEdgeAt(double v) const;

    QTransform fingerTransform(int index) const;
    QTransform thumbTransform() const;
    const FingerShape &finger(int index) const { return m_fingers.at(index); }

private:
    QPainterPath buildPalm() const;
    QPointF edgeSearch(QPointF inside, QPointF direction) const;

    HandLayout m_layout;
    std::array<FingerShape, 4> m_fingers;
    FingerShape m_thumb;
    QPainterPath m_palm;
    QPainterPath m_wrist;
    QPainterPath m_silhouette;
};
