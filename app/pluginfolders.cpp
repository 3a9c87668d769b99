#include "app/pluginfolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace palmora {

void keepProgramFolderOutOfPluginPaths()
{
    // The folder Qt adds is the one of /proc/self/exe, the links resolved.
    const QString programFolder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
    if (programFolder.isEmpty())
        return;
    // Qt adds the program's folder as the application object is made, then
    // replays on the new list what was removed from it before. So the folder is
    // first put in the list, through QT_PLUGIN_PATH, and removed from it; the
    // user's own QT_PLUGIN_PATH is then put back as it was.
    const bool hadUserPath = qEnvironmentVariableIsSet("QT_PLUGIN_PATH");
    const QByteArray userPath = qgetenv("QT_PLUGIN_PATH");
    qputenv("QT_PLUGIN_PATH", QFile::encodeName(programFolder));
    QCoreApplication::libraryPaths();
    QCoreApplication::removeLibraryPath(programFolder);
    if (hadUserPath)
        qputenv("QT_PLUGIN_PATH", userPath);
    else
        qunsetenv("QT_PLUGIN_PATH");
}

} // namespace palmora
