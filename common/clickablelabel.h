#pragma once

#include <QLabel>

namespace palmora {

// A label that works as a link: pointing-hand cursor, clicked() on a left click
// released over it, and, like any link, a Tab stop that Enter or Space opens,
// with a focus frame while it has the focus.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace palmora
