#include "AppIcon.h"
#include "Canvas.h"
#include "FingerPicture.h"
#include "HandTypePicture.h"
#include "NailPicture.h"
#include "OutputFolder.h"
#include "PalmLinePicture.h"
#include "Style.h"

#include <QGuiApplication>
#include <QStringList>

#include <array>
#include <cstdio>
#include <vector>

namespace {

// Every picture is drawn at single density and again at double density for
// screens with two device pixels to a logical one; Qt's "@2x" suffix names the
// second drawing.
constexpr std::array<int, 2> Scales {1, 2};

struct Picture {
    int number;
    int scale;
    QImage image;
};

QString pictureName(int number, int scale)
{
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QStringLiteral("pictures/%1%2.jpg").arg(number, 2, 10, QLatin1Char('0')).arg(suffix);
}

// Catching a wrong size here is cheaper than spotting a squashed picture in the app.
bool hasExpectedSize(const Picture &picture)
{
    QSize expected;
    if (picture.number <= 5)
        expected = HandTypePicture::Size;
    else if (picture.number <= 10)
        expected = FingerPicture::Size;
    else if (picture.number <= 14)
        expected = NailPicture::RowSize;
    else if (picture.number == 15)
        expected = NailPicture::GridSize;
    else
        expected = PalmLinePicture::Size;
    expected *= picture.scale;
    if (picture.image.size() == expected)
        return true;
    std::fprintf(stderr, "palmora-picturegen: picture %s is %dx%d, expected %dx%d\n",
                 qPrintable(pictureName(picture.number, picture.scale)), picture.image.width(),
                 picture.image.height(), expected.width(), expected.height());
    return false;
}

// A picture may be larger than the box the program shows it in, but only paper
// may lie outside that box: anything else would be cut off on screen.
bool fitsShownArea(const Picture &picture)
{
    const QImage &image = picture.image;
    const QSize shown = Canvas::ShownArea * picture.scale;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (x < shown.width() && y < shown.height())
                continue;
            if (image.pixel(x, y) != Style::Paper) {
                std::fprintf(stderr,
                             "palmora-picturegen: picture %s is drawn at (%d, %d), outside the shown %dx%d\n",
                             qPrintable(pictureName(picture.number, picture.scale)), x, y, shown.width(),
                             shown.height());
                return false;
            }
        }
    }
    return true;
}

std::vector<Picture> drawTopicPictures(int scale)
{
    std::vector<Picture> pictures;
    int number = 1;
    for (const HandType type :
         {HandType::Square, HandType::Spatulate, HandType::Conical, HandType::Psychic, HandType::Mixed})
        pictures.push_back({number++, scale, HandTypePicture(type).render(scale)});
    for (const FingerType type : {FingerType::Conical, FingerType::Spatulate, FingerType::Straight,
                                  FingerType::Square, FingerType::Knotty})
        pictures.push_back({number++, scale, FingerPicture(type).render(scale)});
    // 11 to 14 share one picture; the same encoded bytes are written four times.
    number = 15;
    pictures.push_back({number++, scale, NailPicture(NailPicture::Layout::CardGrid).render(scale)});
    for (const PalmLine line :
         {PalmLine::Life, PalmLine::Head, PalmLine::Heart, PalmLine::Fate, PalmLine::Fame, PalmLine::Marriage,
          PalmLine::Health, PalmLine::Travel, PalmLine::Girdle})
        pictures.push_back({number++, scale, PalmLinePicture(line).render(scale)});
    return pictures;
}

} // namespace

int main(int argc, char *argv[])
{
    // Offscreen always: a desktop platform would bring its own font hinting and
    // subpixel settings into the pixels and break reproducibility.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr,
                     "usage: palmora-picturegen OUTPUT_FOLDER\n"
                     "Writes pictures/01.jpg..24.jpg, their double-density drawings\n"
                     "pictures/01@2x.jpg..24@2x.jpg and icons/ into OUTPUT_FOLDER.\n");
        return 2;
    }
    const OutputFolder out(arguments.at(1));
    bool ok = true;

    for (const int scale : Scales) {
        const Picture nails {11, scale, NailPicture(NailPicture::Layout::FingertipRow).render(scale)};
        ok = hasExpectedSize(nails) && fitsShownArea(nails) && ok;
        const QByteArray nailBytes = OutputFolder::encodeJpeg(nails.image);
        for (int number = 11; number <= 14; ++number)
            ok = out.write(pictureName(number, scale), nailBytes) && ok;

        for (const Picture &picture : drawTopicPictures(scale)) {
            ok = hasExpectedSize(picture) && fitsShownArea(picture) && ok;
            ok =
                out.write(pictureName(picture.number, picture.scale), OutputFolder::encodeJpeg(picture.image))
                && ok;
        }
    }

    const AppIcon icon;
    ok = out.write(QStringLiteral("icons/palmora.svg"), icon.svg()) && ok;
    constexpr std::array<int, 8> iconSizes {16, 22, 24, 32, 48, 64, 128, 256};
    for (const int size : iconSizes) {
        const QString path = QStringLiteral("icons/hicolor/%1x%1/apps/palmora.png").arg(size);
        ok = out.write(path, OutputFolder::encodePng(icon.render(size))) && ok;
    }
    ok = out.write(QStringLiteral("icons/palmora-32.png"), OutputFolder::encodePng(icon.render(32))) && ok;
    // The window icon's sizes once more, as bare RGBA bytes, row by row: the
    // program takes them as they are, where reading a PNG would first make Qt
    // look through every image plugin on the disk.
    for (const int size : {16, 32, 64}) {
        const QImage pixels = icon.render(size).convertToFormat(QImage::Format_RGBA8888);
        QByteArray bytes;
        for (int y = 0; y < pixels.height(); ++y)
            bytes.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), pixels.width() * 4);
        ok = out.write(QStringLiteral("icons/window/palmora-%1.rgba").arg(size), bytes) && ok;
    }

    return ok ? 0 : 1;
}
