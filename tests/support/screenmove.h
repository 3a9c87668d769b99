#pragma once

#include <QtGlobal>

class QWidget;

namespace palmora::testing {

// Moves a shown window onto the screen of the given device pixel ratio and
// waits until it stands there. A test registered with palmora_use_two_screens()
// has a screen of ratio 1 (the first, where windows open) and one of ratio 2.
// False when no such screen exists or the window does not get there.
bool moveToScreenOfRatio(QWidget *window, qreal devicePixelRatio);

} // namespace palmora::testing
