#include "ui/palmorastyle.h"

#include "ui/deferrediconengine.h"
#include "ui/theme.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <qdrawutil.h>

namespace palmora {

namespace {

constexpr char kSectionFrameProperty[] = "palmoraSectionFrame";
// Where Fusion keeps the picture of a group box's frame, and the space it
// leaves above the frame.
constexpr char kGroupBoxFramePicture[] = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int kGroupBoxTopMargin = 3;

} // namespace

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

void PalmoraStyle::paintFocus(const QWidget *widget, QPainter &painter, const QRect &rect,
                              const QColor &background)
{
    QStyleOptionFocusRect focus;
    focus.initFrom(widget);
    if (!rect.isNull())
        focus.rect = rect;
    focus.backgroundColor =
        background.isValid() ? background : widget->palette().color(widget->backgroundRole());
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, widget);
}

void PalmoraStyle::drawFocusRing(const QStyleOption *option, QPainter *painter)
{
    // Fusion's ring is drawn in the highlight colour, faint on the blue pages;
    // this one is black on a light background and white on a dark one.
    const auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option);
    const QColor behind = focus && focus->backgroundColor.isValid() ? focus->backgroundColor
                                                                    : option->palette.color(QPalette::Window);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(behind.lightness() < 128 ? Qt::white : Qt::black, 1, Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

QFont PalmoraStyle::captionFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

void PalmoraStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    if (element == PE_FrameFocusRect) {
        drawFocusRing(option, painter);
        return;
    }
    if (element == PE_Frame && qobject_cast<const QAbstractScrollArea *>(widget)) {
        // A text box (a goal note, the report) shows the focus as a line edit
        // does, not only by its blinking caret.
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (option->state & State_HasFocus)
            drawFocusRing(option, painter);
        return;
    }
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion reads the picture by its file name alone, and an image read that
    // way first offers the file to every image plugin, loading each one (JPEG,
    // GIF, ICO...) on the first paint. It is read here as the PNG it is, and
    // drawn as Fusion draws it.
    if (m_groupBoxFrame.isNull()) {
        QImageReader reader(QString::fromLatin1(kGroupBoxFramePicture), "png");
        reader.setAutoDetectImageFormat(false);
        m_groupBoxFrame = QPixmap::fromImage(reader.read());
    }
    const auto *groupBox = qobject_cast<const QGroupBox *>(widget);
    const bool bare = groupBox && !groupBox->isCheckable() && groupBox->title().isEmpty();
    const int captionHeight =
        bare ? 0 : qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    const int topMargin = captionHeight + kGroupBoxTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6),
                      m_groupBoxFrame);
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
