#pragma once

#include <QLocale>
#include <QStringList>

namespace palmora {

// Where Palmora's own translations (palmora_<language>.qm) are looked for: in
// the program's resources only. A file on disk could be changed by whoever can
// write its folder, or cut short while it is mapped.
QStringList translationFolders();

// Installs on the running application Qt's own translation and Palmora's for
// the first of the locale's user-interface languages that has one; Palmora's
// from the first of `folders` that holds it. A language with no translation
// leaves the English texts. Returns the files installed.
QStringList installTranslations(const QLocale &locale, const QStringList &folders);

} // namespace palmora
