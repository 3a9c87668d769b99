#include "app/applicationcontroller.h"
#include "app/mainwindow.h"
#include "app/singleinstanceguard.h"
#include "common/buildinfo.h"

#include "filebytes.h"
#include "hangbreaker.h"
#include "messagerecorder.h"
#include "namedchild.h"
#include "testenvironment.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

using namespace palmora;
using palmora::testing::makeFifo;

namespace {

constexpr auto kGrace = std::chrono::seconds(5);
constexpr uint kNobody = 65534;

// What a path is and holds, without opening anything but a regular file.
QByteArray fingerprint(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return "absent";
    if (info.isDir())
        return "folder";
    if (!info.isFile())
        return "special";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "unreadable";
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

// Earlier copies' windows may wait, closed, for their deletion.
MainWindow *shownMainWindow()
{
    auto *window = testing::namedWindow<MainWindow>(QStringLiteral("mainWindow"));
    return window && window->isVisible() ? window : nullptr;
}

} // namespace

class TstApplicationController : public QObject {
    Q_OBJECT

private slots:
    void guardRefusesSecondHolderAndTakesOverDeadOne();
    void secondCopyShowsMessageAndTouchesNothing();
    void killedCopyDoesNotBlockNextStart();
    void unusableLockFolderNeverKeepsUserOut();
    void lockNeverWhereOthersCanChangeIt_data();
    void lockNeverWhereOthersCanChangeIt();
    void lockNobodyCanProveLiveNeverKeepsUserOut_data();
    void lockNobodyCanProveLiveNeverKeepsUserOut();
    void anotherUsersLockNeverKeepsUserOut_data();
    void anotherUsersLockNeverKeepsUserOut();
    void brokenSettingsStoreNeverHoldsUpStartUp_data();
    void brokenSettingsStoreNeverHoldsUpStartUp();
    void firstStartOpensMainWindowOnStartPage();
    void quitApplicationClosesEveryWindowOnce();
    void initTestCase();

private:
    // Starts a process that holds the lock at path; returns once it holds it.
    std::unique_ptr<QProcess> startHolder(const QString &path);

    // The user's config folder, where the reminder's store is found; set before
    // anything asks for it.
    QTemporaryDir m_config;
};

void TstApplicationController::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

std::unique_ptr<QProcess> TstApplicationController::startHolder(const QString &path)
{
    auto holder = std::make_unique<QProcess>();
    holder->start(QCoreApplication::applicationDirPath() + QStringLiteral("/lockholder"), {path});
    if (!holder->waitForStarted(10000) || !holder->waitForReadyRead(10000))
        return {};
    if (holder->readLine().trimmed() != "locked")
        return {};
    return holder;
}

void TstApplicationController::guardRefusesSecondHolderAndTakesOverDeadOne()
{
    testing::TestEnvironment test;
    auto holder = startHolder(test.env.lockFilePath);
    QVERIFY(holder);

    SingleInstanceGuard second(test.env.lockFilePath);
    QCOMPARE(second.acquire(), SingleInstanceGuard::Result::AlreadyRunning);

    holder->kill(); // SIGKILL: the lock file stays behind
    QVERIFY(holder->waitForFinished(10000));
    QVERIFY(QFile::exists(test.env.lockFilePath));
    QCOMPARE(second.acquire(), SingleInstanceGuard::Result::Acquired);

    // And now this one keeps a new holder out.
    auto late = std::make_unique<QProcess>();
    late->start(QCoreApplication::applicationDirPath() + QStringLiteral("/lockholder"),
                {test.env.lockFilePath});
    QVERIFY(late->waitForFinished(10000));
    QCOMPARE(late->exitCode(), 1);
}

void TstApplicationController::secondCopyShowsMessageAndTouchesNothing()
{
    testing::TestEnvironment test;
    auto holder = startHolder(test.env.lockFilePath);
    QVERIFY(holder);
    QFile lock(test.env.lockFilePath);
    QVERIFY(lock.open(QIODevice::ReadOnly));
    const QByteArray lockBefore = lock.readAll();
    lock.close();

    testing::MessageRecorder messages;
    ApplicationController startup(test.env);
    QVERIFY(!startup.start());
    QCOMPARE(messages.texts(), QStringList {QStringLiteral("Application is already running")});
    QCOMPARE(messages.last().icon, MessageBox::Icon::Information);
    QCOMPARE(messages.last().buttons, MessageBox::Buttons::Ok);
    QCOMPARE(messages.last().title, QStringLiteral("Palmora"));
    QVERIFY(!shownMainWindow());

    // No goal file was created, and the running copy's lock is as it was.
    const QStringList files = QDir(test.env.goalFolders.saveFolder).entryList(QDir::Files);
    QCOMPARE(files, QStringList {QStringLiteral("palmora.lock")});
    QVERIFY(lock.open(QIODevice::ReadOnly));
    QCOMPARE(lock.readAll(), lockBefore);
    QCOMPARE(holder->state(), QProcess::Running);
    holder->kill();
    holder->waitForFinished(10000);
}

void TstApplicationController::killedCopyDoesNotBlockNextStart()
{
    testing::TestEnvironment test;
    auto holder = startHolder(test.env.lockFilePath);
    QVERIFY(holder);
    holder->kill();
    QVERIFY(holder->waitForFinished(10000));
    // A file of the user's named like a scratch copy of the lock is theirs.
    const QString usersOwn = test.env.lockFilePath + QStringLiteral(".Ab12Cd");
    testing::writeAllBytes(usersOwn, "123\n");

    testing::MessageRecorder messages;
    ApplicationController startup(test.env);
    QVERIFY(startup.start());
    QVERIFY(!messages.texts().contains(QStringLiteral("Application is already running")));
    QVERIFY(shownMainWindow());
    QCOMPARE(testing::readAllBytes(usersOwn), QByteArray("123\n"));
    startup.quit();
}

void TstApplicationController::unusableLockFolderNeverKeepsUserOut()
{
    testing::TestEnvironment test;
    test.env.lockFilePath = test.folder.filePath(QStringLiteral("no/such/folder/palmora.lock"));
    testing::MessageRecorder messages;
    ApplicationController startup(test.env);
    QVERIFY(startup.start());
    QVERIFY(shownMainWindow());
    QVERIFY(!messages.texts().contains(QStringLiteral("Application is already running")));
    startup.quit();
}

void TstApplicationController::lockNeverWhereOthersCanChangeIt_data()
{
    QTest::addColumn<QString>("cache"); // XDG_CACHE_HOME, below a fresh folder
    QTest::addColumn<bool>("used");
    QTest::newRow("the user's own cache folder") << "own/cache" << true;
    QTest::newRow("a cache folder in a folder everybody may write") << "shared/cache" << false;
}

// Without a runtime folder the lock is kept in the cache folder, and nowhere
// another user could put a lock first.
void TstApplicationController::lockNeverWhereOthersCanChangeIt()
{
    QFETCH(QString, cache);
    QFETCH(bool, used);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("own/cache"))
            && QDir(root.path()).mkpath(QStringLiteral("shared/cache")));
    QVERIFY(::chmod(QFile::encodeName(root.filePath(QStringLiteral("shared"))).constData(), 0777) == 0);
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray before = qgetenv("XDG_CACHE_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("XDG_CACHE_HOME", before);
    });
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root.filePath(cache)));
    QCOMPARE(SingleInstanceGuard::defaultLockFilePath(),
             used ? root.filePath(cache + QStringLiteral("/palmora/palmora.lock")) : QString());
}

void TstApplicationController::lockNobodyCanProveLiveNeverKeepsUserOut_data()
{
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("refused");
    QTest::newRow("folder named like the lock") << QStringLiteral("folder") << false;
    QTest::newRow("FIFO named like the lock") << QStringLiteral("fifo") << false;
    QTest::newRow("junk written a moment ago") << QStringLiteral("junk") << false;
    // Not this user's to judge or remove, though it lies in their own folder.
    QTest::newRow("another user's file") << QStringLiteral("foreign") << false;
    // The live copy's flock is the proof, whatever its file says.
    QTest::newRow("live copy, its lock overwritten with junk") << QStringLiteral("live junk") << true;
}

void TstApplicationController::lockNobodyCanProveLiveNeverKeepsUserOut()
{
    QFETCH(QString, lock);
    QFETCH(bool, refused);
    testing::TestEnvironment test;
    const QString path = test.env.lockFilePath;
    std::unique_ptr<QProcess> holder;
    if (lock == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else if (lock == QLatin1String("fifo")) {
        QVERIFY(makeFifo(path));
    } else if (lock == QLatin1String("foreign")) {
        if (::geteuid() != 0)
            QSKIP("Only root can give a file to another user");
        QFile foreign(path);
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        QVERIFY(::chown(QFile::encodeName(path).constData(), kNobody, kNobody) == 0);
    } else {
        if (lock == QLatin1String("live junk")) {
            holder = startHolder(path);
            QVERIFY(holder);
        }
        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(junk.write("\x01not a lock\n") > 0);
    }

    testing::MessageRecorder messages;
    ApplicationController startup(test.env);
    bool started = false;
    {
        testing::HangBreaker breaker({path}, kGrace);
        started = startup.start();
        QVERIFY2(!breaker.fired(), "start-up waited on the lock");
    }
    QCOMPARE(started, !refused);
    QCOMPARE(messages.texts().contains(QStringLiteral("Application is already running")), refused);
    QCOMPARE(shownMainWindow() != nullptr, !refused);
    if (lock == QLatin1String("foreign"))
        QCOMPARE(QFileInfo(path).ownerId(), kNobody);
    if (holder) {
        QCOMPARE(holder->state(), QProcess::Running);
        holder->kill();
        holder->waitForFinished(10000);
    }
    if (started)
        startup.quit();
}

void TstApplicationController::anotherUsersLockNeverKeepsUserOut_data()
{
    QTest::addColumn<QString>("lock");
    QTest::addColumn<QByteArray>("answer"); // what the other user's copy meets
    // That lock is no copy's: it is neither proved live nor removable.
    QTest::newRow("another user's stale lock, undeletable")
        << QStringLiteral("stale") << QByteArray("unavailable");
    // The fallback is in each user's own cache folder, so the other user locks
    // theirs, whatever was planted in the shared temporary folder.
    QTest::newRow("another user's live copy, no runtime folder")
        << QStringLiteral("live") << QByteArray("locked");
}

void TstApplicationController::anotherUsersLockNeverKeepsUserOut()
{
    QFETCH(QString, lock);
    QFETCH(QByteArray, answer);
    if (::geteuid() != 0)
        QSKIP("Only root can make another user's lock and run a copy as another user");

    // A shared folder like /tmp: everybody may write, nobody may remove another's
    // files. Neither user has a usable runtime folder there.
    QTemporaryDir top;
    QVERIFY(QFile::setPermissions(top.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                      | QFile::ExeOther));
    const QString shared = top.filePath(QStringLiteral("shared"));
    QVERIFY(QDir().mkdir(shared));
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    // Names another user could take first in the shared folder: Qt's own
    // runtime folders and this user's lock by a name of its own.
    for (const QString &plant : {QStringLiteral("runtime-root"), QStringLiteral("runtime-nobody"),
                                 QStringLiteral("palmora-%1.lock").arg(kNobody)}) {
        QFile blocker(shared + QLatin1Char('/') + plant);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("TMPDIR"), shared);
    // The other user's own home, as a login would give.
    const QString nobodyHome = top.filePath(QStringLiteral("nobody"));
    QVERIFY(QDir().mkdir(nobodyHome));
    QVERIFY(::chown(QFile::encodeName(nobodyHome).constData(), kNobody, kNobody) == 0);
    QProcessEnvironment nobodyEnvironment = environment;
    nobodyEnvironment.insert(QStringLiteral("HOME"), nobodyHome);
    nobodyEnvironment.insert(QStringLiteral("XDG_CACHE_HOME"), nobodyHome + QStringLiteral("/.cache"));
    const QString lockholder = QCoreApplication::applicationDirPath() + QStringLiteral("/lockholder");

    QString argument = QStringLiteral("--default");
    QProcess rootCopy;
    if (lock == QLatin1String("stale")) {
        // Left by a copy of root's whose process is gone.
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForFinished(10000));
        argument = shared + QStringLiteral("/palmora.lock");
        QFile stale(argument);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(gone.processId()) + "\nlockholder\n"
                    + QSysInfo::machineHostName().toUtf8() + '\n');
    } else {
        rootCopy.setProcessEnvironment(environment);
        rootCopy.start(lockholder, {argument});
        QVERIFY(rootCopy.waitForStarted(10000) && rootCopy.waitForReadyRead(10000));
        QCOMPARE(rootCopy.readLine().trimmed(), QByteArray("locked"));
    }

    // Each copy of the other user's says what it met, and keeps running.
    std::vector<std::unique_ptr<QProcess>> nobodyCopies;
    auto startNobodyCopy = [&]() -> QByteArray {
        auto &copy = nobodyCopies.emplace_back(std::make_unique<QProcess>());
        copy->setProcessEnvironment(nobodyEnvironment);
        copy->start(QStringLiteral("setpriv"),
                    {QStringLiteral("--reuid=%1").arg(kNobody), QStringLiteral("--regid=%1").arg(kNobody),
                     QStringLiteral("--clear-groups"), lockholder, argument});
        if (!copy->waitForStarted(10000) || !copy->waitForReadyRead(10000))
            return "no answer";
        return copy->readLine().trimmed();
    };
    const QByteArray first = startNobodyCopy();
    // Once that user holds a lock of their own, it keeps out their second copy.
    const QByteArray second = answer == "locked" ? startNobodyCopy() : QByteArray("running");
    for (auto &copy : nobodyCopies) {
        copy->kill();
        copy->waitForFinished(10000);
    }
    rootCopy.kill();
    rootCopy.waitForFinished(10000);
    QCOMPARE(first, answer);
    QCOMPARE(second, QByteArray("running"));
}

void TstApplicationController::brokenSettingsStoreNeverHoldsUpStartUp_data()
{
    QTest::addColumn<QString>("broken");
    QTest::newRow("FIFO as the store") << QStringLiteral("fifo");
    QTest::newRow("folder as the store") << QStringLiteral("folder");
    QTest::newRow("store of 65537 bytes") << QStringLiteral("huge");
    QTest::newRow("folder as the store's lock") << QStringLiteral("lock folder");
    QTest::newRow("FIFO as the store's lock") << QStringLiteral("lock fifo");
    QTest::newRow("lock a live writer holds") << QStringLiteral("live lock");
    QTest::newRow("store of mode 0777") << QStringLiteral("0777 store");
    QTest::newRow("folder of mode 0777") << QStringLiteral("0777 folder");
    QTest::newRow("folder of mode 0777, no store") << QStringLiteral("0777 folder, no store");
}

void TstApplicationController::brokenSettingsStoreNeverHoldsUpStartUp()
{
    QFETCH(QString, broken);
    const QString folder = m_config.filePath(QStringLiteral("Palmora"));
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QDir().mkpath(folder));
    const QString store =
        folder + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".ini");
    const QString lock = store + QStringLiteral(".lock");
    QLockFile liveLock(lock);
    if (broken == QLatin1String("fifo")) {
        QVERIFY(makeFifo(store));
    } else if (broken == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(store));
    } else if (broken == QLatin1String("lock folder")) {
        QVERIFY(QDir().mkdir(lock));
    } else if (broken == QLatin1String("lock fifo")) {
        QVERIFY(makeFifo(lock));
    } else if (broken == QLatin1String("0777 folder, no store")) {
        QCOMPARE(::chmod(QFile::encodeName(folder), 0777), 0);
    } else {
        // A readable date at its head: it is still not taken, nor the file replaced.
        QFile file(store);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nRHVyYXRpb24=MjAyNi0wMS0wMQ\n"); // 2026-01-01
        if (broken == QLatin1String("huge"))
            file.write(QByteArray(65537 - 38, ';'));
        else if (broken == QLatin1String("live lock"))
            QVERIFY(liveLock.tryLock(0));
        else
            QCOMPARE(::chmod(QFile::encodeName(broken == QLatin1String("0777 store") ? store : folder), 0777),
                     0);
    }
    const QByteArray storeBefore = fingerprint(store);

    testing::TestEnvironment test;
    testing::MessageRecorder messages;
    ApplicationController startup(test.env);
    bool started = false;
    {
        testing::HangBreaker breaker({store, lock}, kGrace);
        started = startup.start();
        QVERIFY2(!breaker.fired(), "start-up waited on the settings store");
    }
    QVERIFY(started);
    QVERIFY(shownMainWindow());
    // No question about updates, and the store is as it was.
    QCOMPARE(messages.count(), 0);
    QCOMPARE(fingerprint(store), storeBefore);
    startup.quit();
}

void TstApplicationController::firstStartOpensMainWindowOnStartPage()
{
    testing::TestEnvironment test;
    testing::MessageRecorder messages;
    ApplicationController startup(test.env);
    QVERIFY(startup.start());
    MainWindow *main = shownMainWindow();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QCOMPARE(main->currentSection(), MainWindow::Section::StartPage);
    QCOMPARE(main->windowTitle(), QStringLiteral("Palmora v" PALMORA_VERSION));
    QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
    startup.quit();
}

void TstApplicationController::quitApplicationClosesEveryWindowOnce()
{
    testing::TestEnvironment test;
    testing::MessageRecorder messages;
    ApplicationController startup(test.env);
    QVERIFY(startup.start());
    QPointer<MainWindow> main = shownMainWindow();
    QVERIFY(main);
    QWidget other;
    other.show();

    QVERIFY(QFileInfo::exists(test.env.lockFilePath));

    // The event loop the program runs in ends as soon as quit is called.
    QTimer::singleShot(0, &startup, [&startup] {
        startup.quit();
        startup.quit(); // a second call while the first finishes is harmless
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!other.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.isNull()); // the main window unloaded itself
    // The lock is gone, so the next start finds nothing to judge.
    QVERIFY(!QFileInfo::exists(test.env.lockFilePath));
    SingleInstanceGuard next(test.env.lockFilePath);
    QCOMPARE(next.acquire(), SingleInstanceGuard::Result::Acquired);
}

QTEST_MAIN(TstApplicationController)
#include "tst_applicationcontroller.moc"
