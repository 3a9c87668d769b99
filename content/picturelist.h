#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace palmora {

// The 24 built-in topic pictures, "01.jpg" to "24.jpg", numbered from 1.
// A picture is decoded the first time it is asked for and kept afterwards, so
// start-up decodes none of them.
class PictureList {
public:
    static constexpr int kPictureCount = 24;

    // "01.jpg" ... "24.jpg".
    static QString pictureName(int number);
    // Resource path of a picture, e.g. ":/pictures/01.jpg".
    static QString picturePath(int number);

    // The decoded picture, or a null image for a number outside 1 to 24 or a
    // picture that cannot be decoded.
    QImage picture(int number) const;
    // How many pictures have been decoded so far.
    int decodedCount() const;

private:
    mutable std::array<QImage, kPictureCount> m_cache;
};

} // namespace palmora
