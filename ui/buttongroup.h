#pragma once

class QButtonGroup;

namespace palmora {

// Unchecks every button of `group`. An exclusive group never lets its last
// checked button go, so it is made inclusive for the moment.
void uncheckAll(QButtonGroup *group);

} // namespace palmora
