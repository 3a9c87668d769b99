#include "ui/pixelratiowatcher.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

namespace palmora {

PixelRatioWatcher::PixelRatioWatcher(QWidget *widget)
    : QObject(widget)
    , m_widget(widget)
    , m_ratio(widget->devicePixelRatioF())
{
    widget->installEventFilter(this);
}

bool PixelRatioWatcher::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    // Qt 6.4 tells every widget of a window that has moved to another screen by
    // ScreenChangeInternal; from 6.6 a change of ratio on the same screen comes
    // as DevicePixelRatioChange. A window is shown on the screen the window
    // system picks, which may not be the one its widgets were set up for.
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
    case QEvent::Show: {
        const qreal ratio = m_widget->devicePixelRatioF();
        if (ratio != m_ratio) {
            m_ratio = ratio;
            emit pixelRatioChanged(ratio);
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void showPicture(QLabel *label, std::function<QImage(qreal devicePixelRatio)> draw)
{
    auto *watcher = label->findChild<PixelRatioWatcher *>(QString(), Qt::FindDirectChildrenOnly);
    if (watcher)
        QObject::disconnect(watcher, &PixelRatioWatcher::pixelRatioChanged, label, nullptr);
    else
        watcher = new PixelRatioWatcher(label);
    const auto show = [label, draw = std::move(draw)](qreal ratio) {
        const QImage picture = draw(ratio);
        label->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    };
    QObject::connect(watcher, &PixelRatioWatcher::pixelRatioChanged, label, show);
    show(label->devicePixelRatioF());
}

} // namespace palmora
