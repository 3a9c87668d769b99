#pragma once

#include <QImage>

enum class FingerType { Conical, Spatulate, Straight, Square, Knotty };

// A single finger, palm side, rising from the bottom edge of a tall frame.
class FingerPicture {
public:
    static constexpr QSize Size {52, 147};

    explicit FingerPicture(FingerType type);

    // Drawn at `scale` device pixels to each unit of Size.
    QImage render(int scale) const;

private:
    FingerType m_type;
};
