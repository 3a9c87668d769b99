#pragma once

#include "common/environment.h"

#include <QString>

namespace palmora {

// The folder that the goal files are saved in together with the two folders a
// note may already be in. The save folder is the program's own folder when the
// program can write there and it is the user's alone (a portable copy),
// otherwise the per-user data folder, created when it does not exist yet; empty
// when neither folder is usable. The program folder takes part only when nobody
// but the user or root can write it.
GoalFolders chooseGoalFolders();
GoalFolders chooseGoalFolders(const QString &programFolder, const QString &userDataFolder);

// Where one note is read from and where it is saved.
struct GoalNotePlace {
    QString readFolder;
    QString saveFolder;
    // Nothing was found: the note is new and made in saveFolder.
    bool isNew = false;
};

// Looks for fileName in the data folder, the save folder and the program folder,
// in that order, so a note the user already has is never hidden. A note found in
// the program folder while the save folder is elsewhere (the program folder
// cannot be written) is read from there and saved to the save folder, which
// holds it from then on. Decided once at start-up, so that loading and saving
// use the same folders.
GoalNotePlace placeOfNote(const GoalFolders &folders, const QString &fileName);

} // namespace palmora
