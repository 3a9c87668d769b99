#include "ui/fontfit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <memory>

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
    void neverWiderThanItsPlace_data();
    void neverWiderThanItsPlace();
    void buttonTextWithinItsButton_data();
    void buttonTextWithinItsButton();
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

void TstFontFit::neverWiderThanItsPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("size");
    QTest::newRow("the site, 9.75 pt") << QStringLiteral("www.vespersoftwares.example") << 9.75;
    QTest::newRow("capitals, 12 pt") << QStringLiteral("WWW.VESPERSOFTWARES.EXAMPLE") << 12.0;
    QTest::newRow("narrow letters, 10.5 pt") << QStringLiteral("illiterate.little.lily.il") << 10.5;
}

// Every width from far too narrow to roomy, a pixel at a time: wherever the
// first estimate lands, the text fits unless it is at the smallest size, and
// the size is the one trying every quarter point finds.
void TstFontFit::neverWiderThanItsPlace()
{
    QFETCH(QString, text);
    QFETCH(qreal, size);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(size);
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    for (int width = natural / 3; width <= natural + 10; ++width) {
        const QFont fitted = palmora::fontToFit(font, text, width);
        const int drawn = QFontMetrics(fitted).horizontalAdvance(text);
        QVERIFY2(drawn <= width || fitted.pointSizeF() == 7.0,
                 qPrintable(QStringLiteral("%1 px wide in %2 px at %3 pt")
                                .arg(drawn)
                                .arg(width)
                                .arg(fitted.pointSizeF())));
        QVERIFY2(fitted.pointSizeF() == steppedSize(font, text, width),
                 qPrintable(QStringLiteral("%1 pt in %2 px, not %3 pt")
                                .arg(fitted.pointSizeF())
                                .arg(width)
                                .arg(steppedSize(font, text, width))));
    }
}

void TstFontFit::buttonTextWithinItsButton_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    const auto row = [](const char *name, const char *kind, const char *text, int width) {
        QTest::newRow(name) << QString::fromUtf8(kind) << QString::fromUtf8(text) << width;
    };
    row("check box, fits", "check", "Goal 1", 120);
    row("check box, too wide", "check", "Meta 1", 73);
    row("check box, too wide at any size", "check", "Objectif num\u00e9ro 1", 73);
    row("radio button, too wide", "radio", "M\u00e9moriser la chiromancie", 170);
    row("push button, fits", "push", "&Next", 67);
    row("push button, too wide", "push", "&Pr\u00e9c\u00e9dent", 67);
    row("push button, a drawn &", "push", "Save && E&xit", 80);
}

// A translation longer than the English a button was placed for is set
// smaller until it fits beside the button's mark or within its frame; one that
// fits keeps its size.
void TstFontFit::buttonTextWithinItsButton()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, width);
    std::unique_ptr<QAbstractButton> button;
    if (kind == QLatin1String("check"))
        button = std::make_unique<QCheckBox>();
    else if (kind == QLatin1String("radio"))
        button = std::make_unique<QRadioButton>();
    else
        button = std::make_unique<QPushButton>();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    button->setFont(font);
    button->setText(text);
    button->resize(width, 24);
    const bool fitted = kind == QLatin1String("push")
        ? QFontMetrics(font).horizontalAdvance(QString(text).remove(QLatin1Char('&'))) + 12 <= width
        : button->sizeHint().width() <= width;

    palmora::fitButtonText(*button);
    const QFont after = button->font();
    if (fitted)
        QCOMPARE(after.pointSizeF(), 9.75);
    else
        QVERIFY(after.pointSizeF() < 9.75);
    if (kind == QLatin1String("push")) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button.get());
        QString shown = text;
        shown.replace(QLatin1String("&&"), QLatin1String("+")).remove(QLatin1Char('&'));
        QVERIFY(QFontMetrics(after).horizontalAdvance(shown) + 2 * margin <= width);
    } else {
        QVERIFY2(button->sizeHint().width() <= width || after.pointSizeF() == 7.0,
                 qPrintable(QString::number(button->sizeHint().width())));
    }
}

QTEST_MAIN(TstFontFit)
#include "tst_fontfit.moc"
