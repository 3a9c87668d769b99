#pragma once

#include <QStringList>

namespace palmora {

// Where Palmora's own translations (palmora_<language>.qm) are looked for: in
// the program's resources only. A file on disk could be changed by whoever can
// write its folder, or cut short while it is mapped.
QStringList translationFolders();
// Where Qt's own translations (qtbase_<language>.qm) are installed.
QString qtTranslationFolder();

// Installs on the running application Palmora's translation for the first of
// the first few `languages` (the user's, in order: QLocale::uiLanguages()) that
// has one, from the first of `folders` that holds it, and Qt's own translation
// from `qtFolder` for that same language. Without one, every text stays
// English, Qt's too. Returns the files installed.
QStringList installTranslations(const QStringList &languages, const QStringList &folders,
                                const QString &qtFolder);

} // namespace palmora
