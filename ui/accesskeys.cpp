#include "ui/accesskeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QShortcutEvent>
#include <QTimer>

namespace palmora {

namespace {
// As long as Qt's own animated click shows a button down.
constexpr int kPressedLookMilliseconds = 100;
// Set on a button while it only shows the pressed look of a key's click.
constexpr char kPressedLook[] = "palmoraPressedLook";
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
    guard->setProperty(kPressedLook, true);
    QTimer::singleShot(kPressedLookMilliseconds, guard, [guard] {
        // A mouse press meanwhile holds the button down now; its release clicks.
        if (guard->property(kPressedLook).toBool()) {
            guard->setProperty(kPressedLook, QVariant());
            guard->setDown(false);
        }
    });
}

bool AccessKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (watched->property(kPressedLook).toBool())
            watched->setProperty(kPressedLook, QVariant());
    }
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
