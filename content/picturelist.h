#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace palmora {

// The 24 built-in topic pictures, "01.jpg" to "24.jpg", numbered from 1, each
// also drawn at double density for screens with two device pixels to a logical
// one ("01@2x.jpg" to "24@2x.jpg"). A picture is decoded the first time it is
// asked for and kept afterwards, so start-up decodes none of them.
class PictureList {
public:
    static constexpr int kPictureCount = 24;

    // The pictures built into the program, or those of another folder laid out
    // the same way.
    explicit PictureList(QString folder = QStringLiteral(":/pictures"));

    // "01.jpg" ... "24.jpg", or "01@2x.jpg" ... "24@2x.jpg" for scale 2.
    static QString pictureName(int number, int scale = 1);

    // The decoded picture for a screen of the given device pixel ratio: above 1
    // the double-density drawing, whose ratio of 2 gives it the same logical size
    // as the single one. A null image for a number outside 1 to 24 or a picture
    // that cannot be decoded.
    QImage picture(int number, qreal devicePixelRatio = 1.0) const;

private:
    QString m_folder;
    mutable std::array<QImage, kPictureCount> m_single;
    mutable std::array<QImage, kPictureCount> m_double;
};

} // namespace palmora
