#include "app/pluginfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTest>

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

int main(int argc, char *argv[])
{
    g_userSetPluginPath = qEnvironmentVariableIsSet("QT_PLUGIN_PATH");
    g_userPluginPath = qgetenv("QT_PLUGIN_PATH");
    // Before the application object, as the program does.
    palmora::keepProgramFolderOutOfPluginPaths();
    QCoreApplication app(argc, argv);
    TstPluginFolders test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pluginfolders.moc"
