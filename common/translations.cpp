#include "common/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace palmora {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// LANGUAGE may name any number of languages; a user reads one of the first few,
// and each one tried costs a look for several files.
constexpr qsizetype kLanguagesTried = 8;

// A language as the environment names it ("de", "pt_BR", "sr-Latn-RS"): two or
// three letters, then letters, digits, '_' and '-', and nothing that could step
// out of a folder.
bool isLanguageName(const QString &language)
{
    constexpr qsizetype kLongest = 35;
    if (language.size() < 2 || language.size() > kLongest)
        return false;
    qsizetype letters = 0;
    while (letters < language.size() && letters < 4 && isAsciiLetter(language[letters]))
        ++letters;
    if (letters < 2 || letters > 3
        || (letters < language.size() && language[letters] != QLatin1Char('_')
            && language[letters] != QLatin1Char('-')))
        return false;
    return std::all_of(language.begin(), language.end(), [](QChar c) {
        return isAsciiLetter(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_')
            || c == QLatin1Char('-');
    });
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
