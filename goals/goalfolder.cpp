#include "goals/goalfolder.h"

#include "common/filetrust.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace palmora {

namespace {

QString clean(const QString &folder)
{
    return folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool isPortableCopy(const QString &programFolder)
{
    const QFileInfo program(programFolder);
    // An installed copy (under /usr) keeps the notes per user even when the
    // folder happens to be writable, as it is for root. A copy in a folder that
    // is not the user's alone (/tmp, a shared or another user's folder) does
    // too: there other users could read the notes, or plant links that make a
    // save write where they choose.
    const bool installed = QDir::cleanPath(program.absoluteFilePath()).startsWith(QLatin1String("/usr/"));
    return !programFolder.isEmpty() && !installed && FileTrust::isPrivateFolder(programFolder)
        && program.isWritable();
}

// Why notes are not kept in the data folder: another user can change it, or the
// folder it would be made in (XDG_DATA_HOME in a shared place), and so plant
// links there that a save would follow.
QString whyDataFolderUntrusted(const QString &folder)
{
    return FileTrust::judge(folder, FileTrust::Expect::Folder, true).why;
}

// The folder that the goal files are saved in; empty when neither is usable.
QString chooseGoalFolder(const QString &programFolder, const QString &userDataFolder)
{
    if (isPortableCopy(programFolder))
        return clean(programFolder);
    if (userDataFolder.isEmpty() || !whyDataFolderUntrusted(userDataFolder).isEmpty())
        return QString();
    // A folder that cannot be made is not fatal here: the notes then stay empty
    // and a save says why it could not write.
    FileTrust::makePrivateFolder(userDataFolder);
    return clean(userDataFolder);
}

} // namespace

GoalFolders chooseGoalFolders()
{
    return chooseGoalFolders(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

GoalFolders chooseGoalFolders(const QString &programFolder, const QString &userDataFolder)
{
    GoalFolders folders;
    folders.saveFolder = chooseGoalFolder(programFolder, userDataFolder);
    // Notes already in the program's folder are read only from a folder that
    // nobody but the user or root can change.
    if (FileTrust::isPrivateFolder(programFolder, true))
        folders.program = clean(programFolder);
    // Nothing is read from a data folder another user can change, nor made in it.
    if (!userDataFolder.isEmpty()) {
        const QString why = whyDataFolderUntrusted(userDataFolder);
        if (why.isEmpty() && QFileInfo::exists(userDataFolder))
            folders.data = clean(userDataFolder);
        else if (!why.isEmpty() && folders.saveFolder.isEmpty())
            folders.problem = QCoreApplication::translate("GoalFolders",
                                                          "Goal notes are not kept in %1, since it is not "
                                                          "yours alone: %2")
                                  .arg(QDir::toNativeSeparators(clean(userDataFolder)), why);
    }
    return folders;
}

GoalNotePlace placeOfNote(const GoalFolders &folders, const QString &fileName)
{
    for (const QString &folder : {folders.data, folders.saveFolder, folders.program}) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(fileName);
        const QFileInfo info(path);
        // A link counts even when it leads nowhere: the user put it there.
        if (!info.exists() && !info.isSymLink())
            continue;
        // Another account's note that the user may not read (left by a run as
        // root, say) is none of the user's: it neither hides nor blocks theirs.
        if (FileTrust::judge(path, FileTrust::Expect::File, true).othersOnly)
            continue;
        const bool readOnlyOrigin =
            folder == folders.program && folder != folders.saveFolder && !folders.saveFolder.isEmpty();
        return {folder, readOnlyOrigin ? folders.saveFolder : folder, false};
    }
    return {folders.saveFolder, folders.saveFolder, true};
}

} // namespace palmora
