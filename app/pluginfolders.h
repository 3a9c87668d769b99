#pragma once

namespace palmora {

// Qt looks for plugins in the program's own folder as well as in its installed
// one, and loads what it finds there: the platform plugins as the application
// object is made, every image plugin on the first paint. A copy of the program
// kept in a folder others can write (/tmp, a shared folder) would run their
// code. This keeps plugins to Qt's installed folder and the folders the user
// names in QT_PLUGIN_PATH. Called before the application object is made.
void keepProgramFolderOutOfPluginPaths();

} // namespace palmora
