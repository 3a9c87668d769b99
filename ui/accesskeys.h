#pragma once

#include <QObject>

class QAbstractButton;
class QApplication;

namespace palmora {

// Access keys (Alt and the underlined letter) that act the moment they are
// pressed. Qt answers a button's access key with an animated click that fires
// a tenth of a second later, so stepping through the topics with Alt+N waited
// that long at every step for nothing. Installed once on the application, this
// clicks every button at once and shows it pressed for that tenth of a second.
class AccessKeys : public QObject {
    Q_OBJECT
public:
    static void install(QApplication &application);

    // Clicks the button at once and shows it pressed for a moment.
    static void click(QAbstractButton *button);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

} // namespace palmora
