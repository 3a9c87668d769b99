#include "ui/palmorastyle.h"

#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QVBoxLayout>

using palmora::PalmoraStyle;

class TstPalmoraStyle : public QObject {
    Q_OBJECT

private slots:
    // First: it watches which image plugins the process has loaded.
    void groupBoxesLookAsFusionDrawsWithoutImagePlugins();
    void menuOverflowArrowsLookAsFusionDraws_data();
    void menuOverflowArrowsLookAsFusionDraws();
};

namespace {

// The image plugins mapped into this process.
QStringList loadedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(/proc/self/maps unreadable)")};
    QStringList plugins;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        if (line.contains("/imageformats/"))
            plugins.append(QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1)));
    }
    plugins.removeDuplicates();
    return plugins;
}

QImage drawn(QWidget &widget, QStyle &style)
{
    widget.setStyle(&style);
    for (QWidget *child : widget.findChildren<QWidget *>())
        child->setStyle(&style);
    return widget.grab().toImage();
}

} // namespace

// Group boxes with a caption (a section frame too), and without one.
void TstPalmoraStyle::groupBoxesLookAsFusionDrawsWithoutImagePlugins()
{
    PalmoraStyle style;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *captioned = new QGroupBox(QStringLiteral("Choose An Option"));
    new QVBoxLayout(captioned);
    captioned->layout()->addWidget(new QLabel(QStringLiteral("Inside")));
    auto *section = new QGroupBox(QStringLiteral("Section"));
    PalmoraStyle::markSectionFrame(section);
    auto *bare = new QGroupBox;
    for (QGroupBox *box : {captioned, section, bare}) {
        box->setMinimumSize(120, 60);
        layout->addWidget(box);
    }
    window.resize(200, 260);

    const QStringList before = loadedImagePlugins();
    QVERIFY2(before.isEmpty(), qPrintable(before.join(QLatin1Char(' '))));
    const QImage ours = drawn(window, style);
    const QStringList after = loadedImagePlugins();
    QVERIFY2(after.isEmpty(), qPrintable(after.join(QLatin1Char(' '))));

    // Fusion draws the section frame's caption in the window's font, not the
    // section's bold: the frame is compared on the two other boxes.
    const QImage theirs = drawn(window, *fusion);
    for (QGroupBox *box : {captioned, bare}) {
        const QRect area(box->mapTo(&window, QPoint()), box->size());
        QCOMPARE(ours.copy(area), theirs.copy(area));
    }
    QVERIFY(!loadedImagePlugins().isEmpty());
}

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
