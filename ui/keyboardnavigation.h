#pragma once

#include <QObject>

class QApplication;

namespace palmora {

// What a keyboard user expects of every window, installed once on the
// application beside the access keys:
// - Enter presses the push button that has the focus, as on every desktop; on a
//   choice it presses its page's default button. Dialogs do both themselves.
// - The arrow keys among choices choose the one they move to, from the first
//   press, not only once one has been chosen; past the last choice they go
//   round to the first.
// - A window shows where the focus is from its first paint, not only after the
//   first key press.
class KeyboardNavigation : public QObject {
    Q_OBJECT
public:
    static void install(QApplication &application);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;

    // While an arrow key is handed on to Qt, which moves the focus.
    bool m_handingOn = false;
};

} // namespace palmora
