#include "goals/goalfolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace palmora {

QString choose_goal_folder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace palmora
