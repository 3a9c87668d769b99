#pragma once

#include <QString>

namespace palmora {

// The folder that holds the goal files: the program's own folder when the program
// can write there (a portable copy), otherwise the per-user data folder.
QString choose_goal_folder();

} // namespace palmora
