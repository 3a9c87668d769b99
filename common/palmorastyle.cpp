#include "common/palmorastyle.h"

#include "common/deferrediconengine.h"
#include "common/theme.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QWidget>

namespace palmora {

namespace {
constexpr char kSectionFrameProperty[] = "palmoraSectionFrame";
}

PalmoraStyle::PalmoraStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void PalmoraStyle::markSectionFrame(QWidget *frame)
{
    frame->setProperty(kSectionFrameProperty, true);
}

bool PalmoraStyle::isSectionFrame(const QWidget *widget)
{
    return widget && widget->property(kSectionFrameProperty).toBool();
}

QFont PalmoraStyle::captionFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

void PalmoraStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    const State keyboardFocus = State_HasFocus | State_KeyboardFocusChange;
    if (element != CE_PushButton || (option->state & keyboardFocus) != keyboardFocus)
        return;
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget).adjusted(2, 2, -2, -2);
    focus.backgroundColor = option->palette.button().color();
    drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
}

void PalmoraStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    const auto *groupBox = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !groupBox || !isSectionFrame(widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionGroupBox caption(*groupBox);
    const QFont font = captionFont();
    caption.fontMetrics = QFontMetrics(font);
    caption.palette.setColor(QPalette::WindowText, Theme::kMaroon);
    painter->save();
    painter->setFont(font);
    QProxyStyle::drawComplexControl(control, &caption, painter, widget);
    painter->restore();
}

QRect PalmoraStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                   SubControl subControl, const QWidget *widget) const
{
    const auto *groupBox = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !groupBox || !isSectionFrame(widget))
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    QStyleOptionGroupBox caption(*groupBox);
    caption.fontMetrics = QFontMetrics(captionFont());
    return QProxyStyle::subControlRect(control, &caption, subControl, widget);
}

QIcon PalmoraStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    // A menu bar asks for its overflow arrows when it is built, and reading
    // their files without a format given loads every image plugin to ask each
    // one. The arrows only show when the menus do not fit, which ours always do.
    if (standardIcon == SP_ToolBarHorizontalExtensionButton
        || standardIcon == SP_ToolBarVerticalExtensionButton) {
        const Qt::LayoutDirection direction =
            widget ? widget->layoutDirection() : QApplication::layoutDirection();
        return QIcon(new DeferredIconEngine([this, standardIcon, direction] {
            QStyleOption arrowOption;
            arrowOption.direction = direction;
            return QProxyStyle::standardIcon(standardIcon, &arrowOption, nullptr);
        }));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace palmora
