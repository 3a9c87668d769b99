#pragma once

#include <QPainterPath>

#include <vector>

enum class TipShape { Rounded, Square, Spatulate, Conical, Pointed };

struct FingerProfile {
    TipShape tip = TipShape::Rounded;
    double length = 50.0;
    double baseHalfWidth = 8.0;
    bool knotty = false;
    bool thumb = false;
};

// Outline of one digit in its own frame: the base centre sits at the origin and
// the digit points towards -y. The base continues a little below the origin so
// that it disappears inside the palm when both are filled.
class FingerShape {
public:
    explicit FingerShape(const FingerProfile &profile);

    const FingerProfile &profile() const { return m_profile; }

    double halfWidthAt(double distance) const;

    QPainterPath outline() const;

    // Open path over the end of the digit, from `fromFraction` of the length on
    // one side, across the tip and back down the other side.
    QPainterPath tipOutline(double fromFraction) const;

    // Both side edges between two fractions of the length, as two subpaths.
    QPainterPath sideOutlines(double fromFraction, double toFraction) const;

    // Where the shape that names the tip type starts, as a fraction of length.
    double characteristicTipStart() const;

    // Fractions of the length at which the joints sit.
    std::vector<double> jointFractions() const;

    // Short curved creases across the palm side of each joint.
    QPainterPath jointCreases() const;

private:
    struct CapForm {
        double exponent;
        double lengthRatio;
    };

    CapForm capForm() const;
    double capLength() const;
    double bodyHalfWidth(double fraction) const;
    std::vector<double> samplePositions(double from, double to) const;
    void appendSide(QPainterPath &path, double from, double to, double side, bool moveFirst) const;

    FingerProfile m_profile;
    double m_capLength = 0.0;
};
