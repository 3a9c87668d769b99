#include "screenmove.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace palmora::testing {

bool moveToScreenOfRatio(QWidget *window, qreal devicePixelRatio)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const auto screen = std::find_if(screens.begin(), screens.end(), [&](const QScreen *candidate) {
        return candidate->devicePixelRatio() == devicePixelRatio;
    });
    if (screen == screens.end())
        return false;
    window->move((*screen)->geometry().topLeft() + QPoint(20, 20));
    return QTest::qWaitFor([&] { return window->devicePixelRatioF() == devicePixelRatio; });
}

} // namespace palmora::testing
