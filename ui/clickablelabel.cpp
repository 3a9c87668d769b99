#include "ui/clickablelabel.h"

#include "ui/afterdrawing.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace palmora {

ClickableLabel::ClickableLabel(QWidget *parent)
    : FocusableLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    // A Tab stop once it has been drawn: made one before its window's first
    // show, it raised the program's peak memory at start-up by 0.4 MiB
    // (bench/run.sh), and made one after, by nothing measurable, then or later.
    AfterDrawing::run(this, this, [this] { setFocusPolicy(Qt::StrongFocus); });
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    FocusableLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && !event->isAutoRepeat()
        && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
            || event->key() == Qt::Key_Space)) {
        event->accept();
        emit clicked();
        return;
    }
    FocusableLabel::keyPressEvent(event);
}

} // namespace palmora
