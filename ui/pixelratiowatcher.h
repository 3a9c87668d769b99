#pragma once

#include <QImage>
#include <QObject>

#include <functional>

class QLabel;
class QWidget;

namespace palmora {

// Tells when a widget has come to stand on a screen of another device pixel
// ratio: its window was moved to another screen, or first shown on one other
// than the screen the widget was set up for. A picture chosen for the old ratio
// would then be enlarged or shrunk on screen, so whoever set it sets it again.
class PixelRatioWatcher : public QObject {
    Q_OBJECT
public:
    // Watches `widget` and goes with it.
    explicit PixelRatioWatcher(QWidget *widget);

signals:
    void pixelRatioChanged(qreal devicePixelRatio);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_widget;
    qreal m_ratio;
};

// Shows on `label` the picture `draw` makes for the label's device pixel ratio,
// now and again whenever the label comes to stand on a screen of another
// ratio. A null picture leaves the label empty. A later call replaces `draw`.
void showPicture(QLabel *label, std::function<QImage(qreal devicePixelRatio)> draw);

} // namespace palmora
