#include "app/pluginfolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <fcntl.h>
#include <unistd.h>

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
    //
    // QT_PLUGIN_PATH is a list split at ':', and the folder's name may hold one
    // (or start or end one). It is named instead by a descriptor's link in
    // /proc/self/fd, which holds no such character and which Qt resolves to the
    // folder itself, as it resolves every entry.
    const int folderFd =
        ::open(QFile::encodeName(programFolder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return;
    const bool hadUserPath = qEnvironmentVariableIsSet("QT_PLUGIN_PATH");
    const QByteArray userPath = qgetenv("QT_PLUGIN_PATH");
    qputenv("QT_PLUGIN_PATH", "/proc/self/fd/" + QByteArray::number(folderFd));
    QCoreApplication::libraryPaths();
    QCoreApplication::removeLibraryPath(programFolder);
    ::close(folderFd);
    if (hadUserPath)
        qputenv("QT_PLUGIN_PATH", userPath);
    else
        qunsetenv("QT_PLUGIN_PATH");
}

} // namespace palmora
