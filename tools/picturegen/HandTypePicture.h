#pragma once

#include <QImage>

enum class HandType { Square, Spatulate, Conical, Psychic, Mixed };

// Whole hand, palm side, with the palm shape and the fingertips picked out.
class HandTypePicture {
public:
    static constexpr QSize Size {154, 180};

    explicit HandTypePicture(HandType type);

    // Drawn at `scale` device pixels to each unit of Size.
    QImage render(int scale) const;

private:
    HandType m_type;
};
