#include "ui/appidentity.h"

#include "imagecompare.h"

#include <QIcon>
#include <QImage>
#include <QTest>

using namespace palmora;

class TstAppIdentity : public QObject {
    Q_OBJECT

private slots:
    void windowIconIsTheInstalledDrawing_data();
    void windowIconIsTheInstalledDrawing();
};

void TstAppIdentity::windowIconIsTheInstalledDrawing_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("drawing"); // the installed PNG it must match
    QTest::newRow("16") << 16 << 1.0 << 16;
    QTest::newRow("32") << 32 << 1.0 << 32;
    QTest::newRow("64") << 64 << 1.0 << 64;
    QTest::newRow("16 at ratio 2") << 16 << 2.0 << 32;
    QTest::newRow("32 at ratio 2") << 32 << 2.0 << 64;
}

// The window icon's bare pixels and the installed PNG files come from one
// drawing; a redraw that refreshed only one of them shows here.
void TstAppIdentity::windowIconIsTheInstalledDrawing()
{
    QFETCH(int, size);
    QFETCH(qreal, ratio);
    QFETCH(int, drawing);
    const QImage expected(QStringLiteral(":/icons/hicolor/%1x%1/apps/palmora.png").arg(drawing));
    QVERIFY(!expected.isNull());
    const QPixmap shown = AppIdentity::applicationIcon().pixmap(QSize(size, size), ratio);
    QCOMPARE(shown.size(), QSize(drawing, drawing));
    const QString difference = testing::drawingDifference(shown.toImage(), expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(TstAppIdentity)
#include "tst_appidentity.moc"
