#include "common/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace palmora {

namespace {

// A translator that holds no text (the template's, say) changes nothing and
// is not installed.
QString installFirstFound(const QLocale &locale, const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), folder) && !translator->isEmpty()) {
            QCoreApplication::installTranslator(translator.get());
            return translator.release()->filePath();
        }
    }
    return {};
}

} // namespace

QStringList translationFolders()
{
    return {QStringLiteral(":/i18n")};
}

QStringList installTranslations(const QLocale &locale, const QStringList &folders)
{
    QStringList installed;
    const QString ours = installFirstFound(locale, QStringLiteral("palmora"), folders);
    // Qt's own texts (the buttons of a message box, a line edit's menu) follow
    // in the same language, when Qt's translations are installed.
    const QString qts = installFirstFound(locale, QStringLiteral("qtbase"),
                                          {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    for (const QString &file : {ours, qts}) {
        if (!file.isEmpty())
            installed.append(file);
    }
    return installed;
}

} // namespace palmora
