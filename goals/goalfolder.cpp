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

} // namespace palmora
