#pragma once

#include <QString>

namespace palmora {

// The folder that holds the goal files: the program's own folder when the program
// can write there (a portable copy), otherwise the per-user data folder, created
// when it does not exist yet. Decided once at start-up so that loading and saving
// use the same folder.
QString chooseGoalFolder();

// The same choice between two given folders; an empty result means neither folder
// is usable.
QString chooseGoalFolder(const QString &programFolder, const QString &userDataFolder);

} // namespace palmora
