#pragma once

#include <QImage>

enum class FingerType { Conical, Spatulate, Straight, Square, Knotty };

// A single finger, palm side, rising from the bottom edge of a tall frame.
class FingerPicture {
public:
    static constexpr QSize Size {52, 147};

    explicit FingerPicture(FingerType type);

    QImage render() const;

private:
    FingerType m_type;
};
