#pragma once

#include "common/environment.h"

namespace palmora {

// The environment of the running program: the real clock, the goal folder chosen
// for this copy, a seeded random source and the user's lock file.
Environment processEnvironment();

} // namespace palmora
