#include "goals/goalfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace palmora {

QString chooseGoalFolder()
{
    return chooseGoalFolder(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString chooseGoalFolder(const QString &programFolder, const QString &userDataFolder)
{
    const QFileInfo program(programFolder);
    // An installed copy (under /usr) keeps the notes per user even when the
    // folder happens to be writable, as it is for root.
    const bool installed = QDir::cleanPath(program.absoluteFilePath()).startsWith(QLatin1String("/usr/"));
    if (!programFolder.isEmpty() && !installed && program.isDir() && program.isWritable())
        return QDir::cleanPath(program.absoluteFilePath());
    if (userDataFolder.isEmpty())
        return QString();
    // A failed mkpath is not fatal here: the notes then stay empty and a save
    // says why it could not write.
    QDir().mkpath(userDataFolder);
    return QDir::cleanPath(QFileInfo(userDataFolder).absoluteFilePath());
}

GoalFolders chooseGoalFolders()
{
    return chooseGoalFolders(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

GoalFolders chooseGoalFolders(const QString &programFolder, const QString &userDataFolder)
{
    const auto clean = [](const QString &folder) {
        return folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    };
    return {chooseGoalFolder(programFolder, userDataFolder), clean(programFolder), clean(userDataFolder)};
}

GoalNotePlace placeOfNote(const GoalFolders &folders, const QString &fileName)
{
    for (const QString &folder : {folders.data, folders.home, folders.program}) {
        if (folder.isEmpty())
            continue;
        const QFileInfo info(QDir(folder).filePath(fileName));
        // A link counts even when it leads nowhere: the user put it there.
        if (!info.exists() && !info.isSymLink())
            continue;
        const bool readOnlyOrigin =
            folder == folders.program && folder != folders.home && !folders.home.isEmpty();
        return {folder, readOnlyOrigin ? folders.home : folder, false};
    }
    return {folders.home, folders.home, true};
}

} // namespace palmora
