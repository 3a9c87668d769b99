#include "ui/keyboardnavigation.h"

#include "ui/accesskeys.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace palmora {

namespace {

// The default button nearest the choice: the one of its page.
QPushButton *defaultButtonFor(const QWidget *choice)
{
    for (const QWidget *up = choice->parentWidget(); up; up = up->isWindow() ? nullptr : up->parentWidget()) {
        const QList<QPushButton *> buttons = up->findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->isDefault() && button->isVisible() && button->isEnabled())
                return button;
        }
    }
    return nullptr;
}

// The choice of the same group after (or before) `choice` in screen order,
// from the last round to the first and back.
QRadioButton *neighbourChoice(QRadioButton *choice, bool forward)
{
    QList<QRadioButton *> group =
        choice->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    group.removeIf([choice](const QRadioButton *other) {
        return other != choice
            && (!other->autoExclusive() || other->group() != choice->group() || !other->isVisible()
                || !other->isEnabled());
    });
    std::sort(group.begin(), group.end(), [](const QRadioButton *a, const QRadioButton *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    const qsizetype at = group.indexOf(choice);
    return group.at((at + (forward ? 1 : group.size() - 1)) % group.size());
}

} // namespace

void KeyboardNavigation::install(QApplication &application)
{
    application.installEventFilter(new KeyboardNavigation(&application));
}

bool KeyboardNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (m_handingOn || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Show && widget->isWindow()) {
        // Qt shows focus only once a key has moved it; a keyboard user must see
        // where the first key will go.
        widget->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }
    if (event->type() != QEvent::KeyPress || qobject_cast<QDialog *>(widget->window()))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;

    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            if (button->isEnabled())
                AccessKeys::click(button);
            return true;
        }
        if (qobject_cast<QRadioButton *>(widget)) {
            if (QPushButton *button = defaultButtonFor(widget)) {
                AccessKeys::click(button);
                return true;
            }
        }
        return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right: {
        auto *choice = qobject_cast<QRadioButton *>(widget);
        if (!choice || !choice->autoExclusive())
            return false;
        // Qt moves the focus to the next choice, and chooses it only when the
        // one left was chosen.
        m_handingOn = true;
        QCoreApplication::sendEvent(choice, event);
        m_handingOn = false;
        auto *reached = qobject_cast<QRadioButton *>(QApplication::focusWidget());
        // Qt moves only to a choice that lies in the key's direction, so it
        // stops at the end of a column, and Left and Right do nothing in one.
        // Then the key takes the next choice in screen order, round from the
        // last to the first, so that every key moves from every choice.
        if (reached == choice) {
            const bool forward = key->key() == Qt::Key_Down || key->key() == Qt::Key_Right;
            reached = neighbourChoice(choice, forward);
            reached->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        }
        if (reached && reached != choice && reached->parentWidget() == choice->parentWidget()
            && !reached->isChecked())
            reached->click();
        return true;
    }
    default:
        return false;
    }
}

} // namespace palmora
