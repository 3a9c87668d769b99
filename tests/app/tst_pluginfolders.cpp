#include "app/pluginfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// QT_PLUGIN_PATH as the user set it, read before anything changed it.
QByteArray g_userPluginPath;
bool g_userSetPluginPath = false;

} // namespace

// Runs twice (CTest): with a QT_PLUGIN_PATH of the user's and without one.
class TstPluginFolders : public QObject {
    Q_OBJECT

private slots:
    void pluginsComeFromQtAndTheUserOnly();
    void userEnvironmentIsLeftAsItWas();
    void copyInAnyFolderName_data();
    void copyInAnyFolderName();
};

void TstPluginFolders::pluginsComeFromQtAndTheUserOnly()
{
    const QStringList paths = QCoreApplication::libraryPaths();
    QVERIFY2(!paths.contains(QCoreApplication::applicationDirPath()),
             qPrintable(paths.join(QLatin1Char(' '))));
    QVERIFY2(paths.contains(QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath)).canonicalPath()),
             qPrintable(paths.join(QLatin1Char(' '))));
    if (g_userSetPluginPath) {
        const QString userFolder = QDir(QString::fromLocal8Bit(g_userPluginPath)).canonicalPath();
        QVERIFY(!userFolder.isEmpty());
        QVERIFY2(paths.contains(userFolder), qPrintable(paths.join(QLatin1Char(' '))));
    }
}

// Programs started from Palmora (the browser) inherit its environment: the
// program's folder must not reach their plugin search either.
void TstPluginFolders::userEnvironmentIsLeftAsItWas()
{
    QCOMPARE(qEnvironmentVariableIsSet("QT_PLUGIN_PATH"), g_userSetPluginPath);
    QCOMPARE(qgetenv("QT_PLUGIN_PATH"), g_userPluginPath);
}

void TstPluginFolders::copyInAnyFolderName_data()
{
    // Qt reads QT_PLUGIN_PATH as a list split at ':', empty parts skipped.
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("shared");
    QTest::newRow("a colon inside") << QStringLiteral("a:b");
    QTest::newRow("leading colon") << QStringLiteral(":shared");
    QTest::newRow("trailing colon") << QStringLiteral("shared:");
    QTest::newRow("two colons") << QStringLiteral("a::b");
    QTest::newRow("space and newline") << QStringLiteral("a b\nc");
}

// A copy of the program in a folder of any name leaves that folder out of its
// plugin search.
void TstPluginFolders::copyInAnyFolderName()
{
    QFETCH(QString, name);
    QTemporaryDir root;
    const QString folder = root.path() + QLatin1Char('/') + name;
    QVERIFY(QDir().mkpath(folder));
    const QString copy = folder + QStringLiteral("/tst_pluginfolders");
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QVERIFY(QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::ExeOwner));

    QProcess child;
    child.start(copy, {QStringLiteral("--list-plugin-folders")});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    const QStringList paths = QString::fromLocal8Bit(child.readAllStandardOutput()).split(QLatin1Char('\0'));
    QVERIFY2(paths.contains(QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath)).canonicalPath()),
             qPrintable(paths.join(QLatin1Char(' '))));
    QVERIFY2(!paths.contains(QDir(folder).canonicalPath()), qPrintable(paths.join(QLatin1Char(' '))));
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--list-plugin-folders") == 0) {
        palmora::keepProgramFolderOutOfPluginPaths();
        QCoreApplication app(argc, argv);
        const QByteArray listed = QFile::encodeName(QCoreApplication::libraryPaths().join(QLatin1Char('\0')));
        std::fwrite(listed.constData(), 1, static_cast<std::size_t>(listed.size()), stdout);
        return 0;
    }
    g_userSetPluginPath = qEnvironmentVariableIsSet("QT_PLUGIN_PATH");
    g_userPluginPath = qgetenv("QT_PLUGIN_PATH");
    // Before the application object, as the program does.
    palmora::keepProgramFolderOutOfPluginPaths();
    QCoreApplication app(argc, argv);
    TstPluginFolders test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pluginfolders.moc"
