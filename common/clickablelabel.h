#pragma once

#include <QLabel>

namespace palmora {

// A label that works as a link: pointing-hand cursor, clicked() on a left click
// released over it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace palmora
