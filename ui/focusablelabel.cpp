#include "ui/focusablelabel.h"

#include "ui/palmorastyle.h"

#include <QPainter>

namespace palmora {

FocusableLabel::FocusableLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void FocusableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A label draws no focus of its own; the style's ring matches the links'.
    QPainter painter(this);
    PalmoraStyle::paintFocus(this, painter);
}

} // namespace palmora
