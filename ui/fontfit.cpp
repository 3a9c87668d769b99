#include "ui/fontfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>

#include <cmath>

namespace palmora {

namespace {
constexpr qreal kSmallest = 7.0;
constexpr qreal kStep = 0.25;
} // namespace

QFont fontToFit(const QFont &font, const QString &text, int width)
{
    const qreal size = font.pointSizeF();
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance <= width || size <= kSmallest)
        return font;
    QFont fitted = font;
    const auto fits = [&](qreal pointSize) {
        fitted.setPointSizeF(pointSize);
        return QFontMetrics(fitted).horizontalAdvance(text) <= width;
    };
    // Text grows in proportion to its size, give or take the hinting of a
    // pixel here and there. Sizes stay on the quarter points below the font's.
    const qreal estimate = size * width / advance;
    qreal pointSize = qMax(kSmallest, size - std::ceil((size - estimate) / kStep) * kStep);
    while (pointSize > kSmallest && !fits(pointSize))
        pointSize = qMax(kSmallest, pointSize - kStep);
    while (pointSize + kStep < size && fits(pointSize + kStep))
        pointSize += kStep;
    fitted.setPointSizeF(pointSize);
    return fitted;
}

void fitButtonText(QAbstractButton &button)
{
    // The access key's marker is not drawn; "&&" draws one "&".
    const QString text = button.text();
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && ++i == text.size())
            break;
        shown += text[i];
    }
    const bool marked = qobject_cast<QCheckBox *>(&button) || qobject_cast<QRadioButton *>(&button);
    int room = button.width();
    if (marked) {
        // Whatever the style puts beside the text: the mark, spacing, margins.
        room -= button.sizeHint().width() - QFontMetrics(button.font()).horizontalAdvance(shown);
    } else {
        // A push button's hint is never below the style's least width.
        room -= 2 * button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    }
    QFont font = fontToFit(button.font(), shown, room);
    button.setFont(font);
    // The style measures the text its own way, a pixel or two wider.
    while (marked && button.sizeHint().width() > button.width() && font.pointSizeF() > kSmallest) {
        font.setPointSizeF(qMax(kSmallest, font.pointSizeF() - kStep));
        button.setFont(font);
    }
}

void fitLabelText(QLabel &label)
{
    // Fewer lines come only at whole breaks, so sizes are tried one by one;
    // there are five at most between the forms' sizes and the smallest.
    QFont font = label.font();
    while (label.heightForWidth(label.width()) > label.height() && font.pointSizeF() > kSmallest) {
        font.setPointSizeF(qMax(kSmallest, font.pointSizeF() - kStep));
        label.setFont(font);
    }
}

} // namespace palmora
