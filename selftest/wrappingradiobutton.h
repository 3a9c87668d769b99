#pragma once

#include <QRadioButton>

namespace palmora {

// A radio button whose text wraps inside the button's own width, as the long
// answer options need. The whole area of the button takes the click, and the
// text stays the button's text, so it reads out and records as one control.
class WrappingRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit WrappingRadioButton(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRect indicatorRect() const;
    QRect textRect() const;
};

} // namespace palmora
