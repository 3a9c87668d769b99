#pragma once

#include <QLocale>
#include <QStringList>

namespace palmora {

// Where Palmora's own translations (palmora_<language>.qm) are looked for, in
// order: translations/ beside the program (a build folder), then the folder
// an installed copy keeps them in.
QStringList translationFolders();

// Installs on the running application Qt's own translation and Palmora's for
// the first of the locale's user-interface languages that has one; Palmora's
// from the first of `folders` that holds it. A language with no translation
// leaves the English texts. Returns the files installed.
QStringList installTranslations(const QLocale &locale, const QStringList &folders);

} // namespace palmora
