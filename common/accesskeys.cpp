#include "common/accesskeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QShortcutEvent>
#include <QTimer>

namespace palmora {

namespace {
// As long as Qt's own animated click shows a button down.
constexpr int kPressedLookMilliseconds = 100;
} // namespace

void AccessKeys::install(QApplication &application)
{
    application.installEventFilter(new AccessKeys(&application));
}

void AccessKeys::click(QAbstractButton *button)
{
    const QPointer<QAbstractButton> guard(button);
    button->click();
    // The click may have closed the button's window, or deleted the button.
    if (!guard || !guard->isVisible())
        return;
    guard->setDown(true);
    QTimer::singleShot(kPressedLookMilliseconds, guard, [guard] { guard->setDown(false); });
}

bool AccessKeys::eventFilter(QObject *watched, QEvent *event)
{
    // A key that two buttons share only moves the focus between them; Qt does
    // that itself.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
        if (auto *button = qobject_cast<QAbstractButton *>(watched); button && button->isEnabled()) {
            click(button);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace palmora
