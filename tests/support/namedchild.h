#pragma once

#include <QApplication>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace palmora::testing {

// The control of `parent` that its form names `name`, as a user would find it
// by what it is rather than through a member kept for tests. A form that lost
// the name ends the test run at once with the name it looked for.
template<class T> T *namedChild(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("%s has no %s named \"%s\"", parent->metaObject()->className(),
               T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// The top-level window of class T named `name`, shown or not, as the program
// left it on the desktop; null when there is none.
template<class T> T *namedWindow(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *found = qobject_cast<T *>(window); found && window->objectName() == name)
            return found;
    }
    return nullptr;
}

} // namespace palmora::testing
