#include "common/palmorastyle.h"

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

} // namespace palmora
