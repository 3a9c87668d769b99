#include "content/picturelist.h"
#include "content/topiccatalogue.h"

#include <QColor>
#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using palmora::PictureList;
using palmora::TopicCatalogue;

class TstPictureList : public QObject {
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void nailPicturesAreOneDrawingAndFifteenAnother_data();
    void nailPicturesAreOneDrawingAndFifteenAnother();
    void nothingDrawnOutsideTheShownBox_data();
    void nothingDrawnOutsideTheShownBox();
    void doubleDensityDrawings_data();
    void doubleDensityDrawings();
    void decodedOnlyWhenAskedAndThenKept();
    void outOfRangeGivesNullPicture();
    void missingDoubleDrawingFallsBackToSingle();

private:
    static QByteArray bytesOf(int number, int scale = 1);
    // Mean difference of two images of one size, in levels of 0 to 255 over
    // every colour channel of every pixel.
    static double meanDifference(const QImage &a, const QImage &b);
};

QByteArray TstPictureList::bytesOf(int number, int scale)
{
    QFile file(QStringLiteral(":/pictures/") + PictureList::pictureName(number, scale));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double TstPictureList::meanDifference(const QImage &a, const QImage &b)
{
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = first.pixel(x, y);
            const QRgb q = second.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return double(sum) / (3.0 * first.width() * first.height());
}

void TstPictureList::pictures_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("alternative");
    for (int n = 1; n <= 24; ++n) {
        QSize size, alternative;
        if (n <= 5) {
            size = {154, 180};
            alternative = {154, 181};
        } else if (n <= 10) {
            size = {52, 147};
            alternative = {52, 148};
        } else if (n <= 14) {
            size = alternative = {161, 180};
        } else if (n == 15) {
            size = alternative = {153, 177};
        } else {
            size = alternative = {137, 169};
        }
        QTest::addRow("%s", qPrintable(PictureList::pictureName(n))) << n << size << alternative;
    }
}

void TstPictureList::pictures()
{
    QFETCH(int, number);
    QFETCH(QSize, size);
    QFETCH(QSize, alternative);
    QCOMPARE(PictureList::pictureName(number), QStringLiteral("%1.jpg").arg(number, 2, 10, QLatin1Char('0')));
    const QByteArray bytes = bytesOf(number);
    QVERIFY2(bytes.startsWith("\xFF\xD8\xFF"), "not a JPEG file");
    PictureList list;
    const QImage image = list.picture(number);
    QVERIFY(!image.isNull());
    QVERIFY2(image.size() == size || image.size() == alternative,
             qPrintable(QStringLiteral("%1x%2").arg(image.width()).arg(image.height())));
}

void TstPictureList::nailPicturesAreOneDrawingAndFifteenAnother_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("single density") << 1;
    QTest::newRow("double density") << 2;
}

void TstPictureList::nailPicturesAreOneDrawingAndFifteenAnother()
{
    QFETCH(int, scale);
    const QByteArray eleven = bytesOf(11, scale);
    QVERIFY(!eleven.isEmpty());
    for (int n = 12; n <= 14; ++n)
        QCOMPARE(bytesOf(n, scale), eleven);
    QVERIFY(bytesOf(15, scale) != eleven);
    // Every other picture is a drawing of its own.
    QSet<QByteArray> hashes;
    for (int n = 1; n <= 24; ++n) {
        if (n >= 12 && n <= 14)
            continue;
        hashes.insert(QCryptographicHash::hash(bytesOf(n, scale), QCryptographicHash::Sha256));
    }
    QCOMPARE(hashes.size(), 21);
}

void TstPictureList::nothingDrawnOutsideTheShownBox_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("scale");
    for (const int scale : {1, 2}) {
        for (int n = 1; n <= PictureList::kPictureCount; ++n)
            QTest::addRow("%s", qPrintable(PictureList::pictureName(n, scale))) << n << scale;
    }
}

void TstPictureList::nothingDrawnOutsideTheShownBox()
{
    // The topic browser and the self-test show a picture in a 154x180 label from
    // its top left corner (308x360 device pixels at double density); anything
    // beyond it is cut off on screen, so only paper may lie there.
    QFETCH(int, number);
    QFETCH(int, scale);
    const QRect shown(0, 0, 154 * scale, 180 * scale);
    // JPEG leaves a few levels of noise around a drawing; even skin, the lightest
    // colour drawn, is 55 levels below paper white.
    constexpr int tolerance = 24;
    PictureList list;
    const QImage image = list.picture(number, scale).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (shown.contains(x, y))
                continue;
            const QRgb rgb = image.pixel(x, y);
            if (255 - std::min({qRed(rgb), qGreen(rgb), qBlue(rgb)}) > tolerance)
                QFAIL(qPrintable(
                    QStringLiteral("drawn at (%1, %2): %3").arg(x).arg(y).arg(QColor(rgb).name())));
        }
    }
}

void TstPictureList::doubleDensityDrawings_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= PictureList::kPictureCount; ++n)
        QTest::addRow("%s", qPrintable(PictureList::pictureName(n, 2))) << n;
}

void TstPictureList::doubleDensityDrawings()
{
    QFETCH(int, number);
    QVERIFY2(bytesOf(number, 2).startsWith("\xFF\xD8\xFF"), "not a JPEG file");
    PictureList list;
    const QImage single = list.picture(number);
    const QImage doubled = list.picture(number, 2.0);
    QVERIFY(!single.isNull());
    QCOMPARE(single.devicePixelRatio(), 1.0);
    QCOMPARE(doubled.size(), 2 * single.size());
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
    QCOMPARE(doubled.deviceIndependentSize(), QSizeF(single.size()));

    // Brought down to single density it is the single drawing, give or take
    // anti-aliasing and JPEG noise, and nearer to it than to any other picture
    // of that size (the palm lines differ in one line only).
    QImage reduced = doubled.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    reduced.setDevicePixelRatio(1.0);
    const double own = meanDifference(reduced, single);
    QVERIFY2(own < 8.0, qPrintable(QString::number(own)));
    for (int n = 1; n <= PictureList::kPictureCount; ++n) {
        const QImage other = list.picture(n);
        if (other.size() != single.size() || bytesOf(n) == bytesOf(number))
            continue;
        QVERIFY2(meanDifference(reduced, other) > own, qPrintable(PictureList::pictureName(n)));
    }
}

void TstPictureList::decodedOnlyWhenAskedAndThenKept()
{
    // Drawings put in the folder after the list is made are found, the others
    // are left alone, and a drawing taken away once shown is not missed.
    QTemporaryDir folder;
    const PictureList list(folder.path());
    const QStringList names {PictureList::pictureName(16), PictureList::pictureName(17),
                             PictureList::pictureName(16, 2)};
    for (const QString &name : names)
        QVERIFY(QFile::copy(QStringLiteral(":/pictures/") + name, folder.filePath(name)));
    const QImage first = list.picture(TopicCatalogue::topicPicture(14));
    QVERIFY(!first.isNull());
    QVERIFY(QFile::remove(folder.filePath(names[0])) && QFile::remove(folder.filePath(names[1])));
    QVERIFY(list.picture(17).isNull());
    const QImage again = list.picture(16);
    QCOMPARE(again.cacheKey(), first.cacheKey()); // the same decoded image, not a second decode
    // Any ratio above 1 takes the double-density drawing, decoded once and kept
    // beside the single one.
    const QImage doubled = list.picture(16, 2.0);
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
    QVERIFY(QFile::remove(folder.filePath(names[2])));
    QCOMPARE(list.picture(16, 1.5).cacheKey(), doubled.cacheKey());
    QCOMPARE(list.picture(16, 1.0).cacheKey(), first.cacheKey());
}

void TstPictureList::outOfRangeGivesNullPicture()
{
    PictureList list;
    QVERIFY(list.picture(0).isNull());
    QVERIFY(list.picture(25).isNull());
}

// A folder with only the single drawing still shows it on a double-density
// screen, enlarged, rather than nothing.
void TstPictureList::missingDoubleDrawingFallsBackToSingle()
{
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(":/pictures/") + PictureList::pictureName(3),
                        folder.filePath(PictureList::pictureName(3))));
    const PictureList list(folder.path());
    const QImage single = list.picture(3);
    QVERIFY(!single.isNull());
    const QImage shown = list.picture(3, 2.0);
    QCOMPARE(shown.devicePixelRatio(), 1.0);
    QCOMPARE(shown.cacheKey(), single.cacheKey());
    // A picture that has its double drawing there takes it.
    QVERIFY(QFile::copy(QStringLiteral(":/pictures/") + PictureList::pictureName(4, 2),
                        folder.filePath(PictureList::pictureName(4, 2))));
    QCOMPARE(list.picture(4, 2.0).devicePixelRatio(), 2.0);
}

QTEST_GUILESS_MAIN(TstPictureList)
#include "tst_picturelist.moc"
