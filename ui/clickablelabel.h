#pragma once

#include "ui/focusablelabel.h"

namespace palmora {

// A label that works as a link: pointing-hand cursor, clicked() on a left click
// released over it, and, like any link, a Tab stop that Enter or Space opens,
// with the focus ring of every focusable label.
class ClickableLabel : public FocusableLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace palmora
