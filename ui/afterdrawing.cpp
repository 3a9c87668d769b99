#include "ui/afterdrawing.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace palmora {

void AfterDrawing::run(QWidget *widget, QObject *context, std::function<void()> work)
{
    new AfterDrawing(widget, context, std::move(work));
}

AfterDrawing::AfterDrawing(QWidget *widget, QObject *context, std::function<void()> work)
    : QObject(widget)
    , m_context(context)
    , m_work(std::move(work))
{
    widget->installEventFilter(this);
}

bool AfterDrawing::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued behind the rest of this drawing and its copy to the window;
        // the window system is then given the copy before the work begins, as
        // it may otherwise hold it until the event loop next waits.
        QMetaObject::invokeMethod(
            m_context,
            [work = std::move(m_work)] {
                QGuiApplication::sync();
                work();
            },
            Qt::QueuedConnection);
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace palmora
