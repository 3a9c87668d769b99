#include "common/filetrust.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using palmora::FileTrust;

class TstFileTrust : public QObject {
    Q_OBJECT

private slots:
    void ownGroup_data();
    void ownGroup();
    void placesOnDisk_data();
    void placesOnDisk();
};

void TstFileTrust::ownGroup_data()
{
    QTest::addColumn<QByteArray>("groupName");
    QTest::addColumn<uint>("groupId");
    QTest::addColumn<QByteArrayList>("members");
    QTest::addColumn<bool>("own");
    // The user is ann, whose primary group is 1000.
    QTest::newRow("her own group") << QByteArray("ann") << 1000U << QByteArrayList() << true;
    QTest::newRow("her own group listing her")
        << QByteArray("ann") << 1000U << QByteArrayList {"ann"} << true;
    QTest::newRow("a group with another member")
        << QByteArray("ann") << 1000U << QByteArrayList {"ann", "bob"} << false;
    QTest::newRow("a shared primary group") << QByteArray("users") << 1000U << QByteArrayList() << false;
    QTest::newRow("named after her, not her primary group")
        << QByteArray("ann") << 1001U << QByteArrayList() << false;
    QTest::newRow("nogroup") << QByteArray("nogroup") << 65534U << QByteArrayList() << false;
}

void TstFileTrust::ownGroup()
{
    QFETCH(QByteArray, groupName);
    QFETCH(uint, groupId);
    QFETCH(QByteArrayList, members);
    QFETCH(bool, own);
    QCOMPARE(FileTrust::isOwnGroup("ann", 1000, groupId, groupName, members), own);
}

void TstFileTrust::placesOnDisk_data()
{
    // A folder holding a file of the user's: the folder's mode and group, and
    // whether the file and the folder count as the user's alone.
    QTest::addColumn<uint>("mode");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("trusted");
    QTest::newRow("private") << 0700U << "primary" << true;
    QTest::newRow("the user's own group may write (umask 002)") << 0775U << "primary" << true;
    QTest::newRow("nogroup may write") << 0775U << "nogroup" << false;
    QTest::newRow("everybody may write") << 0777U << "primary" << false;
    QTest::newRow("everybody may write, sticky like /tmp") << 01777U << "primary" << true;
}

void TstFileTrust::placesOnDisk()
{
    QFETCH(uint, mode);
    QFETCH(QString, group);
    QFETCH(bool, trusted);
    if (group == QLatin1String("nogroup") && ::geteuid() != 0)
        QSKIP("Only root can give a folder to a group it is not in");
    if (group == QLatin1String("primary")) {
        // The rows assume a login that gives each user a group of their own.
        const struct passwd *user = ::getpwuid(::geteuid());
        const struct group *primary = user ? ::getgrgid(user->pw_gid) : nullptr;
        if (!primary || qstrcmp(primary->gr_name, user->pw_name) != 0
            || (primary->gr_mem[0]
                && (qstrcmp(primary->gr_mem[0], user->pw_name) != 0 || primary->gr_mem[1])))
            QSKIP("This user has no group of their own");
    }

    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkdir(folder));
    const QString file = QDir(folder).filePath(QStringLiteral("results.json"));
    QFile made(file);
    QVERIFY(made.open(QIODevice::WriteOnly));
    made.close();
    // The file is as writable by its group as the folder is.
    QVERIFY(::chmod(QFile::encodeName(file).constData(), 0660) == 0);
    const QByteArray path = QFile::encodeName(folder);
    QVERIFY(::chmod(path.constData(), mode) == 0);
    if (group == QLatin1String("nogroup")) {
        QVERIFY(::chown(path.constData(), ::geteuid(), 65534) == 0);
        QVERIFY(::chmod(path.constData(), mode) == 0);
    }

    QCOMPARE(FileTrust::judge(file, FileTrust::Expect::File, false).why.isEmpty(), trusted);
    // A sticky folder keeps what is in it safe, yet anybody may add to it.
    QCOMPARE(FileTrust::isPrivateFolder(folder), trusted && !(mode & S_ISVTX));
    QCOMPARE(FileTrust::whyFolderUntrusted(folder).isEmpty(), trusted);
}

QTEST_GUILESS_MAIN(TstFileTrust)
#include "tst_filetrust.moc"
