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

struct Picture {
    int number;
    QImage image;
};

QString pictureName(int number)
{
    return QStringLiteral("pictures/%1.jpg").arg(number, 2, 10, QLatin1Char('0'));
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
    if (picture.image.size() == expected)
        return true;
    std::fprintf(stderr, "palmora-picturegen: picture %d is %dx%d, expected %dx%d\n", picture.number,
                 picture.image.width(), picture.image.height(), expected.width(), expected.height());
    return false;
}

// A picture may be larger than the box the program shows it in, but only paper
// may lie outside that box: anything else would be cut off on screen.
bool fitsShownArea(const Picture &picture)
{
    const QImage &image = picture.image;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (x < Canvas::ShownArea.width() && y < Canvas::ShownArea.height())
                continue;
            if (image.pixel(x, y) != Style::Paper) {
                std::fprintf(stderr,
                             "palmora-picturegen: picture %d is drawn at (%d, %d), outside the shown %dx%d\n",
                             picture.number, x, y, Canvas::ShownArea.width(), Canvas::ShownArea.height());
                return false;
            }
        }
    }
    return true;
}

std::vector<Picture> drawTopicPictures()
{
    std::vector<Picture> pictures;
    int number = 1;
    for (const HandType type :
         {HandType::Square, HandType::Spatulate, HandType::Conical, HandType::Psychic, HandType::Mixed})
        pictures.push_back({number++, HandTypePicture(type).render()});
    for (const FingerType type : {FingerType::Conical, FingerType::Spatulate, FingerType::Straight,
                                  FingerType::Square, FingerType::Knotty})
        pictures.push_back({number++, FingerPicture(type).render()});
    // 11 to 14 share one picture; the same encoded bytes are written four times.
    number = 15;
    pictures.push_back({number++, NailPicture(NailPicture::Layout::CardGrid).render()});
    for (const PalmLine line :
         {PalmLine::Life, PalmLine::Head, PalmLine::Heart, PalmLine::Fate, PalmLine::Fame, PalmLine::Marriage,
          PalmLine::Health, PalmLine::Travel, PalmLine::Girdle})
        pictures.push_back({number++, PalmLinePicture(line).render()});
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
                     "Writes pictures/01.jpg..24.jpg and icons/ into OUTPUT_FOLDER.\n");
        return 2;
    }
    const OutputFolder out(arguments.at(1));
    bool ok = true;

    const QImage nails = NailPicture(NailPicture::Layout::FingertipRow).render();
    ok = ok && hasExpectedSize({11, nails}) && fitsShownArea({11, nails});
    const QByteArray nailBytes = OutputFolder::encodeJpeg(nails);
    for (int number = 11; number <= 14; ++number)
        ok = out.write(pictureName(number), nailBytes) && ok;

    for (const Picture &picture : drawTopicPictures()) {
        ok = hasExpectedSize(picture) && fitsShownArea(picture) && ok;
        ok = out.write(pictureName(picture.number), OutputFolder::encodeJpeg(picture.image)) && ok;
    }

    const AppIcon icon;
    ok = out.write(QStringLiteral("icons/palmora.svg"), icon.svg()) && ok;
    constexpr std::array<int, 8> iconSizes {16, 22, 24, 32, 48, 64, 128, 256};
    for (const int size : iconSizes) {
        const QString path = QStringLiteral("icons/hicolor/%1x%1/apps/palmora.png").arg(size);
        ok = out.write(path, OutputFolder::encodePng(icon.render(size))) && ok;
    }
    ok = out.write(QStringLiteral("icons/palmora-32.png"), OutputFolder::encodePng(icon.render(32))) && ok;

    return ok ? 0 : 1;
}
