#pragma once

#include <QIcon>
#include <QString>

// How every window of the program names and shows itself.
namespace palmora::AppIdentity {

// Caption of the main window, the exit screen and the about box.
QString windowCaption();
// The program's icon in the sizes title bars and task bars use.
QIcon applicationIcon();

} // namespace palmora::AppIdentity
