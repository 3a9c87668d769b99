#include "ui/wrappedlabel.h"

#include "imagecompare.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using palmora::WrappedLabel;

namespace {

const QString kText =
    QStringLiteral("The head line starts between the thumb and the index finger and runs across the palm.\n"
                   "A long, straight head line is read as a clear and practical mind.");

// A label as QLabel lays out a selectable, word-wrapped plain text itself.
void makeReference(QLabel &label, const QFont &font)
{
    label.setWordWrap(true);
    label.setTextFormat(Qt::PlainText);
    label.setTextInteractionFlags(Qt::TextSelectableByMouse);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setFont(font);
    label.setText(kText);
}

} // namespace

class TstWrappedLabel : public QObject {
    Q_OBJECT

private slots:
    void measuresAndDrawsAsQLabel_data();
    void measuresAndDrawsAsQLabel();
    void textIsSelectedAndCopiedWithTheMouse();
};

void TstWrappedLabel::measuresAndDrawsAsQLabel_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<qreal>("pointSize");
    QTest::newRow("narrow") << 120 << 9.0;
    QTest::newRow("the topic panel's width") << 551 << 11.25;
    QTest::newRow("wide enough for one line a paragraph") << 2000 << 11.25;
}

// The label measures and draws on a copy of its text: the copy must come out
// exactly as QLabel's own layout of the same text, or lines would be cut off.
void TstWrappedLabel::measuresAndDrawsAsQLabel()
{
    QFETCH(int, width);
    QFETCH(qreal, pointSize);
    QFont font = QApplication::font();
    font.setPointSizeF(pointSize);
    QLabel reference;
    makeReference(reference, font);
    WrappedLabel label;
    label.setFont(font);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Answers kept for an earlier text are not given for the next one.
    label.showText(QStringLiteral("an earlier, shorter text"));
    QVERIFY(label.heightForWidth(width) > 0);
    label.showText(kText);
    const int height = reference.heightForWidth(width);
    QCOMPARE(label.heightForWidth(width), height);
    QCOMPARE(label.heightForWidth(width + 7), reference.heightForWidth(width + 7));
    QCOMPARE(label.heightForWidth(width), height);

    reference.resize(width, height);
    label.resize(width, height);
    QCOMPARE(palmora::testing::drawingDifference(label.grab().toImage(), reference.grab().toImage()),
             QString());
}

void TstWrappedLabel::textIsSelectedAndCopiedWithTheMouse()
{
    WrappedLabel label;
    label.showText(kText);
    label.resize(400, label.heightForWidth(400));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QVERIFY(!label.hasSelectedText());

    const QPoint start(2, label.fontMetrics().height() / 2);
    QTest::mouseMove(&label, start);
    QTRY_VERIFY(label.textInteractionFlags() & Qt::TextSelectableByMouse);
    QTest::mousePress(&label, Qt::LeftButton, {}, start);
    QTest::mouseMove(&label, QPoint(120, start.y()));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(120, start.y()));
    QVERIFY(label.hasSelectedText());
    QVERIFY(kText.startsWith(label.selectedText()));
    QTest::keyClick(&label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), label.selectedText());

    // Selecting stays possible while the next text is shown under the pointer.
    label.showText(QStringLiteral("Another topic"));
    QVERIFY(label.textInteractionFlags() & Qt::TextSelectableByMouse);
}

QTEST_MAIN(TstWrappedLabel)
#include "tst_wrappedlabel.moc"
