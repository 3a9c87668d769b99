#include "common/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

namespace palmora {

namespace {

// LANGUAGE may name any number of languages; a user reads one of the first few,
// and each one tried costs a look for several files.
constexpr qsizetype kLanguagesTried = 8;

// A language as the environment names it ("de", "pt_BR", "sr-Latn-RS"), and
// nothing that could step out of a folder.
bool isLanguageName(const QString &language)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z0-9]{1,8}){0,3}$"));
    return name.match(language).hasMatch();
}

// The translation `name`_`language` from the first of `folders` that holds one,
// or from a shorter form of the language ("pt" for "pt_BR"). A translator that
// holds no text (the template's, say) changes nothing and is not installed.
QString installFirstFound(const QString &language, const QString &name, const QStringList &folders)
{
    const QString file =
        name + QLatin1Char('_') + QString(language).replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const QString &folder : folders) {
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (translator->load(file, folder, QStringLiteral("_")) && !translator->isEmpty()) {
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

QString qtTranslationFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QStringList installTranslations(const QStringList &languages, const QStringList &folders,
                                const QString &qtFolder)
{
    for (const QString &language : languages.mid(0, kLanguagesTried)) {
        if (!isLanguageName(language))
            continue;
        const QString ours = installFirstFound(language, QStringLiteral("palmora"), folders);
        if (ours.isEmpty())
            continue;
        // Qt's own texts (the buttons of a message box, a save dialog) follow in
        // the same language, when Qt's translations are installed; where Palmora
        // speaks English, so do they, whatever language Qt knows.
        QStringList installed {ours};
        const QString qts = installFirstFound(language, QStringLiteral("qtbase"), {qtFolder});
        if (!qts.isEmpty())
            installed.append(qts);
        return installed;
    }
    return {};
}

} // namespace palmora
