#include "content/picturelist.h"
#include "content/topiccatalogue.h"

#include <QColor>
#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <QTest>

#include <algorithm>

using palmora::PictureList;
using palmora::TopicCatalogue;

class TstPictureList : public QObject {
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void nailPicturesAreOneDrawingAndFifteenAnother();
    void nothingDrawnOutsideTheShownBox_data();
    void nothingDrawnOutsideTheShownBox();
    void decodedOnlyWhenAskedAndThenKept();
    void outOfRangeGivesNullPicture();

private:
    static QByteArray bytesOf(int number);
};

QByteArray TstPictureList::bytesOf(int number)
{
    QFile file(PictureList::picturePath(number));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

void TstPictureList::nailPicturesAreOneDrawingAndFifteenAnother()
{
    const QByteArray eleven = bytesOf(11);
    QVERIFY(!eleven.isEmpty());
    for (int n = 12; n <= 14; ++n)
        QCOMPARE(bytesOf(n), eleven);
    QVERIFY(bytesOf(15) != eleven);
    // Every other picture is a drawing of its own.
    QSet<QByteArray> hashes;
    for (int n = 1; n <= 24; ++n) {
        if (n >= 12 && n <= 14)
            continue;
        hashes.insert(QCryptographicHash::hash(bytesOf(n), QCryptographicHash::Sha256));
    }
    QCOMPARE(hashes.size(), 21);
}

void TstPictureList::nothingDrawnOutsideTheShownBox_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= PictureList::kPictureCount; ++n)
        QTest::addRow("%s", qPrintable(PictureList::pictureName(n))) << n;
}

void TstPictureList::nothingDrawnOutsideTheShownBox()
{
    // The topic browser and the self-test show a picture in a 154x180 label from
    // its top left corner; anything beyond it is cut off on screen, so only paper
    // may lie there.
    const QRect shown(0, 0, 154, 180);
    // JPEG leaves a few levels of noise around a drawing; even skin, the lightest
    // colour drawn, is 55 levels below paper white.
    constexpr int tolerance = 24;
    QFETCH(int, number);
    PictureList list;
    const QImage image = list.picture(number).convertToFormat(QImage::Format_RGB32);
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

void TstPictureList::decodedOnlyWhenAskedAndThenKept()
{
    PictureList list;
    QCOMPARE(list.decodedCount(), 0);
    const QImage first = list.picture(TopicCatalogue::topicPicture(14));
    QCOMPARE(list.decodedCount(), 1);
    const QImage again = list.picture(16);
    QCOMPARE(list.decodedCount(), 1);
    QCOMPARE(again.cacheKey(), first.cacheKey()); // the same decoded image, not a second decode
}

void TstPictureList::outOfRangeGivesNullPicture()
{
    PictureList list;
    QVERIFY(list.picture(0).isNull());
    QVERIFY(list.picture(25).isNull());
    QCOMPARE(list.decodedCount(), 0);
}

QTEST_GUILESS_MAIN(TstPictureList)
#include "tst_picturelist.moc"
