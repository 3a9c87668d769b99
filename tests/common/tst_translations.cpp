#include "common/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace palmora;

// Which translations a list of the user's languages installs: Palmora's and
// Qt's in one language or none, the first few languages only, and nothing a
// language name could lead out of its folder.
class TstTranslations : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void oneLanguageForTheWholeWindow_data();
    void oneLanguageForTheWholeWindow();

private:
    QTemporaryDir m_qtFolder;
};

void TstTranslations::init()
{
    // Qt's translations, as far as this test goes: any translation file will do.
    const QString pseudo = QStringLiteral(":/i18n/palmora_en_XA.qm");
    QVERIFY(QFile::exists(pseudo));
    for (const QString &name : {QStringLiteral("qtbase_ja.qm"), QStringLiteral("qtbase_en_XA.qm")}) {
        if (!QFile::exists(m_qtFolder.filePath(name)))
            QVERIFY(QFile::copy(pseudo, m_qtFolder.filePath(name)));
    }
}

void TstTranslations::cleanup()
{
    // A translator leaves the application as it is deleted.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
}

void TstTranslations::oneLanguageForTheWholeWindow_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QStringList>("installed"); // file names, Palmora's first

    const QStringList both {QStringLiteral("palmora_en_XA.qm"), QStringLiteral("qtbase_en_XA.qm")};
    QTest::newRow("a language Palmora speaks") << QStringList {QStringLiteral("en-XA")} << both;
    QTest::newRow("one Qt speaks and Palmora not")
        << QStringList {QStringLiteral("ja-JP"), QStringLiteral("ja")} << QStringList {};
    QTest::newRow("the first that Palmora speaks")
        << QStringList {QStringLiteral("ja"), QStringLiteral("en_XA"), QStringLiteral("fr")} << both;
    QStringList eighth(7, QStringLiteral("ja"));
    eighth << QStringLiteral("en_XA");
    QTest::newRow("eighth of many") << eighth << both;
    QStringList ninth(8, QStringLiteral("ja"));
    ninth << QStringLiteral("en_XA");
    QTest::newRow("ninth of many") << ninth << QStringList {};
    QStringList sixteenThousand(16000, QStringLiteral("ja"));
    sixteenThousand.prepend(QStringLiteral("en_XA"));
    QTest::newRow("first of 16,000") << sixteenThousand << both;
    QTest::newRow("a name that climbs out of the folder")
        << QStringList {QStringLiteral("../i18n/palmora_en_XA"), QStringLiteral("en_XA/../ja")}
        << QStringList {};
}

void TstTranslations::oneLanguageForTheWholeWindow()
{
    QFETCH(QStringList, languages);
    QFETCH(QStringList, installed);
    const QStringList files = installTranslations(languages, {QStringLiteral(":/i18n")}, m_qtFolder.path());
    QStringList names;
    for (const QString &file : files)
        names.append(QFileInfo(file).fileName());
    QCOMPARE(names, installed);
    QCOMPARE(QCoreApplication::instance()->findChildren<QTranslator *>().size(), installed.size());
}

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
