#include "common/fontfit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QTest>

namespace {

// The size a quarter point at a time down from the font's, as the window once
// found it: the first that fits, or 7 points.
qreal steppedSize(QFont font, const QString &text, int width)
{
    while (font.pointSizeF() > 7.0 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font.pointSizeF();
}

} // namespace

class TstFontFit : public QObject {
    Q_OBJECT

private slots:
    void largestSizeThatFits_data();
    void largestSizeThatFits();
};

void TstFontFit::largestSizeThatFits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    const QString site = QStringLiteral("www.vespersoftwares.example");
    QTest::newRow("fits as it is") << site << 1000;
    QTest::newRow("a little too wide") << site << 170;
    QTest::newRow("far too wide") << site << 120;
    QTest::newRow("a long name") << site.repeated(3) << 300;
    QTest::newRow("too wide even at the smallest size") << site << 20;
}

// One or two sizes are tried instead of every quarter point, with the result
// of trying every one.
void TstFontFit::largestSizeThatFits()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFont font(QStringLiteral("DejaVu Sans"));
    for (const qreal size : {9.75, 12.0, 8.25}) {
        font.setPointSizeF(size);
        const QFont fitted = palmora::fontToFit(font, text, width);
        QCOMPARE(fitted.pointSizeF(), steppedSize(font, text, width));
        QCOMPARE(fitted.family(), font.family());
    }
}

QTEST_MAIN(TstFontFit)
#include "tst_fontfit.moc"
