#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace palmora {

// Runs work once a widget has next been drawn, after its drawing has reached
// the screen: work made ready ahead of the user's next step (a window, a page)
// then never holds up the answer to the step they just took.
class AfterDrawing : public QObject {
    Q_OBJECT
public:
    // The work runs once, in the event loop, unless `context` is gone by then;
    // the watch goes with `widget`.
    static void run(QWidget *widget, QObject *context, std::function<void()> work);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AfterDrawing(QWidget *widget, QObject *context, std::function<void()> work);

    QObject *m_context;
    std::function<void()> m_work;
};

} // namespace palmora
