#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

namespace palmora {

class RandomSource;

// Where the goal notes are kept. New notes are made and saved in saveFolder; a
// note that is already there is looked for in the per-user data folder first,
// then in saveFolder, then in the program's own folder. Empty folders take no part.
struct GoalFolders {
    QString saveFolder;
    QString program;
    QString data;
    // Why there is nowhere to keep the notes, when a data folder exists that
    // another user can change; empty otherwise.
    QString problem;
};

// What the program takes from the machine it runs on. Tests build their own.
struct Environment {
    GoalFolders goalFolders;
    // Today's date, as the update reminder sees it.
    std::function<QDate()> today;
    // The one random source of the program (test draws, exit screen appeal).
    std::shared_ptr<RandomSource> random;
    // Lock file of the one-copy rule.
    QString lockFilePath;
    // The file that keeps the results of finished tests; empty, none are kept.
    QString resultHistoryPath;
};

} // namespace palmora
