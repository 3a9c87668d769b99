#include "selftest/wrappingradiobutton.h"

#include "ui/palmorastyle.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace palmora {

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

WrappingRadioButton::WrappingRadioButton(QWidget *parent)
    : QRadioButton(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::MinimumExpanding);
}

QRect WrappingRadioButton::indicatorRect() const
{
    const int w = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
    const int h = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    // Level with the first line of text.
    const int top = qMax(0, (fontMetrics().height() - h) / 2) + 1;
    return QRect(1, top, w, h);
}

QRect WrappingRadioButton::textRect() const
{
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
    const int left = indicatorRect().right() + 1 + spacing;
    return QRect(left, 1, qMax(0, width() - left - 2), qMax(0, height() - 2));
}

QSize WrappingRadioButton::sizeHint() const
{
    const int w = qMax(width(), 200);
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
    const int textWidth = w - indicatorRect().width() - spacing - 3;
    // The label holds the text as it is: an ampersand is a character, not a shortcut.
    const QRect needed = fontMetrics().boundingRect(QRect(0, 0, textWidth, 10000), kTextFlags, text());
    return QSize(w, qMax(needed.height(), indicatorRect().height()) + 2);
}

QSize WrappingRadioButton::minimumSizeHint() const
{
    return QSize(indicatorRect().width() + 2, indicatorRect().height() + 2);
}

void WrappingRadioButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    option.rect = indicatorRect();
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, this);

    const QRect area = textRect();
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, kTextFlags, text());

    if (hasFocus())
        PalmoraStyle::paintFocus(
            this, painter, painter.boundingRect(area, kTextFlags, text()).adjusted(-1, 0, 1, 0) & rect());
}

bool WrappingRadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace palmora
