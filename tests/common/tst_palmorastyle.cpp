#include "common/palmorastyle.h"

#include <QImage>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

using palmora::PalmoraStyle;

class TstPalmoraStyle : public QObject {
    Q_OBJECT

private slots:
    void menuOverflowArrowsLookAsFusionDraws_data();
    void menuOverflowArrowsLookAsFusionDraws();
};

void TstPalmoraStyle::menuOverflowArrowsLookAsFusionDraws_data()
{
    QTest::addColumn<QStyle::StandardPixmap>("arrow");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("horizontal") << QStyle::SP_ToolBarHorizontalExtensionButton << Qt::LeftToRight;
    QTest::newRow("horizontal, right to left")
        << QStyle::SP_ToolBarHorizontalExtensionButton << Qt::RightToLeft;
    QTest::newRow("vertical") << QStyle::SP_ToolBarVerticalExtensionButton << Qt::LeftToRight;
}

// The arrows are made only when first drawn; made then, they are Fusion's own.
void TstPalmoraStyle::menuOverflowArrowsLookAsFusionDraws()
{
    QFETCH(QStyle::StandardPixmap, arrow);
    QFETCH(Qt::LayoutDirection, direction);
    PalmoraStyle style;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QMenuBar bar;
    bar.setLayoutDirection(direction);
    QStyleOption option;
    option.direction = direction;

    const QIcon deferred = style.standardIcon(arrow, nullptr, &bar);
    const QIcon eager = fusion->standardIcon(arrow, &option, nullptr);
    QVERIFY(!eager.isNull());
    QCOMPARE(deferred.availableSizes(), eager.availableSizes());
    for (const int size : {16, 32}) {
        const QImage shown = deferred.pixmap(size, size).toImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, eager.pixmap(size, size).toImage());
    }
}

QTEST_MAIN(TstPalmoraStyle)
#include "tst_palmorastyle.moc"
