#include "goals/goalfolder.h"

#include "common/filetrust.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace palmora {

QString chooseGoalFolder(const QString &programFolder, const QString &userDataFolder)
{
    const QFileInfo program(programFolder);
    // An installed copy (under /usr) keeps the notes per user even when the
    // folder happens to be writable, as it is for root. A copy in a folder that
    // is not the user's alone (/tmp, a shared or another user's folder) does
    // too: there other users could read the notes, or plant links that make a
    // save write where they choose.
    const bool installed = QDir::cleanPath(program.absoluteFilePath()).startsWith(QLatin1String("/usr/"));
    if (!programFolder.isEmpty() && !installed && FileTrust::isPrivateFolder(programFolder)
        && program.isWritable())
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
    // Notes already in the program's folder are read only from a folder that
    // nobody but the user or root can change.
    const QString trustedProgramFolder =
        FileTrust::isPrivateFolder(programFolder, true) ? clean(programFolder) : QString();
    return {chooseGoalFolder(programFolder, userDataFolder), trustedProgramFolder, clean(userDataFolder)};
}

GoalNotePlace placeOfNote(const GoalFolders &folders, const QString &fileName)
{
    for (const QString &folder : {folders.data, folders.saveFolder, folders.program}) {
        if (folder.isEmpty())
            continue;
        const QFileInfo info(QDir(folder).filePath(fileName));
        // A link counts even when it leads nowhere: the user put it there.
        if (!info.exists() && !info.isSymLink())
            continue;
        const bool readOnlyOrigin =
            folder == folders.program && folder != folders.saveFolder && !folders.saveFolder.isEmpty();
        return {folder, readOnlyOrigin ? folders.saveFolder : folder, false};
    }
    return {folders.saveFolder, folders.saveFolder, true};
}

} // namespace palmora
