#include "common/randomsource.h"
#include "content/picturelist.h"
#include "content/topiccatalogue.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "hangbreaker.h"
#include "messagerecorder.h"
#include "ordinaryuser.h"
#include "record/resulthistory.h"
#include "record/resultstore.h"
#include "selftest/selftest.h"
#include "selftest/testoptionspage.h"
#include "selftest/testquestionpage.h"
#include "selftest/testresultpage.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>

#include <sys/stat.h>

using namespace palmora;
using palmora::testing::readAllBytes;

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// A file of the user's own, as the program would find it.
void plant(const QString &path, const QByteArray &bytes)
{
    testing::writeAllBytes(path, bytes);
    QVERIFY(QFile::setPermissions(path, kOwnerOnly));
}

// A whole test with its ten questions, the first `score` of them answered right.
FinishedTest result(int score, TestMode mode = TestMode::ByName, int minutes = 0)
{
    FinishedTest test {QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC).addSecs(60 * minutes),
                       mode,
                       TopicChoice::Drawn,
                       score,
                       kQuestionCount,
                       {}};
    for (int i = 0; i < kQuestionCount; ++i)
        test.asked.append({static_cast<TopicIndex>(i), i < score});
    return test;
}

// A file this program wrote, holding `count` results.
QByteArray fileOf(int count)
{
    QTemporaryDir folder;
    const ResultHistory history(folder.filePath(QStringLiteral("results.json")));
    for (int i = 0; i < count; ++i) {
        if (!history.append(result(i % 11, TestMode::BySignificance, i)).ok)
            return {};
    }
    return readAllBytes(history.filePath());
}

} // namespace

// The file of results over time: its bound, what it does with a file it cannot
// use, and two copies of the program adding results at once.
class TstResultHistory : public QObject {
    Q_OBJECT

private slots:
    void keepsTheLastHundredOwnerOnly();
    void firstVersionIsReadAndUpgraded_data();
    void firstVersionIsReadAndUpgraded();
    void unusableFileIsLeftAsItWas_data();
    void unusableFileIsLeftAsItWas();
    void fullDiskLeavesTheFileAsItWas();
    void lockIsTakenOrSaysWhyNot_data();
    void lockIsTakenOrSaysWhyNot();
    void setAsideNeverReplacesAFile();
    void copiesWritingAtOnceLoseNothing();
    void damagedFileIsToldAndKeptUntilSetAside_data();
    void damagedFileIsToldAndKeptUntilSetAside();
};

void TstResultHistory::keepsTheLastHundredOwnerOnly()
{
    QTemporaryDir folder;
    // A file the user let others read keeps its permissions.
    const QString path = folder.filePath(QStringLiteral("results.json"));
    plant(path, fileOf(3));
    QVERIFY(QFile::setPermissions(path, kOwnerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    const ResultHistory history(path);
    QCOMPARE(history.read().results.size(), 3);

    for (int i = 3; i < 105; ++i) {
        const ResultHistory::Result added = history.append(result(i % 11, TestMode::ByLocationShape, i));
        QVERIFY2(added.ok, qPrintable(added.error));
    }
    const ResultHistory::Result read = history.read();
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.results.size(), 100);
    // The oldest five went; the rest are in the order they were added.
    QCOMPARE(read.results.first().finished, result(0, TestMode::ByName, 5).finished);
    QCOMPARE(read.results.last(), result(104 % 11, TestMode::ByLocationShape, 104));
    QVERIFY(readAllBytes(path).size() < 131072 / 2);
    QCOMPARE(QFileInfo(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
             kOwnerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // Nothing is left beside it: no scratch copy, no lock.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList {QStringLiteral("results.json")});
}

void TstResultHistory::firstVersionIsReadAndUpgraded_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("a test and a repeat of its missed topics") << 2;
    QTest::newRow("a full file: the oldest goes") << 100;
}

// A file the first version wrote, which kept no questions, is read as it is and
// written anew, every result kept, when the next result is added.
void TstResultHistory::firstVersionIsReadAndUpgraded()
{
    QFETCH(int, count);
    const int kept = std::min(count + 1, 100);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.json"));
    // Every other test a repeat of three missed topics, two right.
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries.append(i % 2 ? QStringLiteral(R"({"finished": "2026-11-07T08:30:00Z", "kind": "significance",
            "missedTopicsOnly": true, "questions": 3, "score": 2})")
                             : QStringLiteral(R"({"finished": "2026-11-06T08:30:00Z", "kind": "significance",
            "missedTopicsOnly": false, "questions": 10, "score": 7})"));
    plant(path,
          R"({"format": "palmora-test-results", "version": 1, "results": [)" + entries.join(',').toUtf8()
              + "]}");
    const ResultHistory history(path);
    const ResultHistory::Result before = history.read();
    QVERIFY2(before.ok, qPrintable(before.error));
    QCOMPARE(before.results.size(), count);
    QVERIFY(before.results.at(0).topicChoice == TopicChoice::Drawn && before.results.at(0).asked.isEmpty());
    QVERIFY(before.results.at(1).topicChoice == TopicChoice::Missed
            && before.results.at(1).questionCount == 3);

    const FinishedTest next = result(6, TestMode::ByName, 60 * 24 * 40);
    QVERIFY(history.append(next).ok);
    QCOMPARE(QJsonDocument::fromJson(readAllBytes(path)).object().value(QStringLiteral("version")).toInt(),
             2);
    const ResultHistory::Result after = history.read();
    QVERIFY2(after.ok, qPrintable(after.error));
    QCOMPARE(after.results.size(), kept);
    QCOMPARE(after.results.mid(0, kept - 1), before.results.mid(count - kept + 1));
    QCOMPARE(after.results.last(), next);
}

void TstResultHistory::unusableFileIsLeftAsItWas_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("said");
    const QByteArray ours = fileOf(4);
    QByteArray badScore = ours;
    badScore.replace("\"score\":3", "\"score\":11");
    QByteArray newer = ours;
    newer.replace("\"version\":2", "\"version\":3");
    QByteArray padded = ours;
    padded.insert(1, QByteArray(131072, ' '));

    QTest::newRow("not text") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "file"
                              << "damaged";
    QTest::newRow("empty") << QByteArray() << "file"
                           << "damaged";
    QTest::newRow("cut short") << ours.left(ours.size() / 2) << "file"
                               << "damaged";
    QTest::newRow("another program's") << QByteArray(R"({"results": [], "version": 1})") << "file"
                                       << "not a file of test results";
    QTest::newRow("a result out of range") << badScore << "file"
                                           << "result 4 cannot be read";
    QTest::newRow("a newer version") << newer << "file"
                                     << "another version";
    QTest::newRow("too large") << padded << "file"
                               << "larger than";
    QTest::newRow("others may change it") << ours << "shared"
                                          << "Other users can change";
    QByteArray twice = ours;
    twice.insert(twice.lastIndexOf('}'), ",\"results\":[]");
    QTest::newRow("a name given twice") << twice << "file"
                                        << "damaged";
    QTest::newRow("a link into a folder others can change") << ours << "link"
                                                            << "Other users can change";
    QTest::newRow("a pipe") << QByteArray() << "pipe"
                            << "not an ordinary file";
}

void TstResultHistory::unusableFileIsLeftAsItWas()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    QFETCH(QString, said);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.json"));
    const QString elsewhere = folder.filePath(QStringLiteral("shared/elsewhere.json"));
    if (kind == QLatin1String("pipe")) {
        QVERIFY(testing::makeFifo(path));
    } else if (kind == QLatin1String("link")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("shared")));
        plant(elsewhere, bytes);
        QVERIFY(::chmod(QFile::encodeName(folder.filePath(QStringLiteral("shared"))).constData(), 0777) == 0);
        QVERIFY(QFile::link(elsewhere, path));
    } else {
        plant(path, bytes);
        if (kind == QLatin1String("shared"))
            QVERIFY(
                QFile::setPermissions(path, kOwnerOnly | QFileDevice::WriteGroup | QFileDevice::WriteOther));
    }
    const QString watched = kind == QLatin1String("link") ? elsewhere : path;
    const QByteArray before = kind == QLatin1String("pipe") ? QByteArray() : readAllBytes(watched);

    // A pipe opened would wait for a writer for ever: the breaker ends the wait
    // and the test fails instead of hanging.
    testing::HangBreaker breaker({path}, std::chrono::seconds(10));
    const ResultHistory history(path);
    const ResultHistory::Result read = history.read();
    QVERIFY(!read.ok);
    QVERIFY(read.fileUnusable);
    QVERIFY(read.results.isEmpty());
    QVERIFY2(read.error.contains(said), qPrintable(read.error));

    const ResultHistory::Result added = history.append(result(7));
    QVERIFY(!added.ok);
    QVERIFY(added.fileUnusable);
    QCOMPARE(added.error, read.error);
    QVERIFY(!breaker.fired());
    if (kind != QLatin1String("pipe"))
        QCOMPARE(readAllBytes(watched), before);
    QCOMPARE(QFileInfo(path).isSymLink(), kind == QLatin1String("link"));
}

void TstResultHistory::fullDiskLeavesTheFileAsItWas()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.json"));
    const QByteArray before = fileOf(5);
    plant(path, before);
    const ResultHistory history(path);
    ResultHistory::Result added;
    {
        // Room for a little less than the file and one result more.
        testing::FileSizeLimit limit(before.size());
        QVERIFY(limit.isActive());
        added = history.append(result(9));
    }
    QVERIFY(!added.ok);
    QVERIFY(!added.fileUnusable);
    QVERIFY(!added.error.isEmpty());
    QCOMPARE(readAllBytes(path), before);
    QCOMPARE(history.read().results.size(), 5);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {QStringLiteral("results.json")});
}

void TstResultHistory::lockIsTakenOrSaysWhyNot_data()
{
    QTest::addColumn<QString>("lock");
    QTest::addColumn<QString>("said"); // empty: the result is added
    QTest::newRow("a killed copy's, and its empty .rmlock") << QString("killed") << QString();
    QTest::newRow("empty, its maker killed before filling it in") << QString("empty") << QString();
    QTest::newRow("empty, its maker killed a moment ago") << QString("fresh") << QString();
    QTest::newRow("in a folder whose parent others can change")
        << QString("shared parent") << QString("Other users can change");
    QTest::newRow("held by another copy") << QString("held") << QString("Another copy of Palmora kept");
    QTest::newRow("on a full disk") << QString("full disk") << QString("is full");
    QTest::newRow("in a read-only folder") << QString("read-only") << QString("may not write in the folder");
}

void TstResultHistory::lockIsTakenOrSaysWhyNot()
{
    QFETCH(QString, lock);
    QFETCH(QString, said);
    QTemporaryDir top;
    QVERIFY(::chmod(QFile::encodeName(top.path()).constData(), lock == u"shared parent" ? 0777 : 0755) == 0);
    QTemporaryDir folder(top.filePath(QStringLiteral("palmora-XXXXXX")));
    const QString path = folder.filePath(QStringLiteral("results.json"));
    const QString lockPath = path + QStringLiteral(".lock");
    const QByteArray before = fileOf(2);
    plant(path, before);
    QFile fresh(lockPath);
    QVERIFY(lock != u"fresh" || fresh.open(QIODevice::WriteOnly));
    const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/resultwriter");
    QVERIFY(lock != u"killed" || QProcess::execute(writer, {path, QStringLiteral("killed")}) == 0);
    // What another copy left, or holds, is found a while after it was made.
    const auto madeAWhileAgo = [](const QString &name) {
        QFile file(name);
        return file.open(QIODevice::Append)
            && file.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime);
    };
    QVERIFY(lock != u"killed" || madeAWhileAgo(lockPath + QStringLiteral(".rmlock")));
    QVERIFY(lock != u"empty" || madeAWhileAgo(lockPath));
    QLockFile held(lockPath);
    QVERIFY(lock != u"held" || (held.tryLock() && madeAWhileAgo(lockPath)));
    const QByteArray folderName = QFile::encodeName(folder.path());
    QVERIFY(lock != u"read-only" || ::chmod(folderName.constData(), 0500) == 0);
    const auto restore = qScopeGuard([&] { ::chmod(folderName.constData(), 0700); });
    ResultHistory::Result added;
    {
        // As a desktop user: root may write in a read-only folder.
        const testing::OrdinaryUser user({folder.path()});
        const testing::FileSizeLimit limit(lock == u"full disk" ? 0 : RLIM_INFINITY);
        QVERIFY(lock != u"full disk" || limit.isActive());
        added = ResultHistory(path).append(result(4));
    }
    QVERIFY2(added.ok == said.isEmpty() && added.error.contains(said), qPrintable(added.error));
    QCOMPARE(readAllBytes(path) == before, !added.ok);
    held.unlock();
    // Nothing is left beside it, neither the killed copy's locks nor one of its own.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {QStringLiteral("results.json")});
}

void TstResultHistory::setAsideNeverReplacesAFile()
{
    // A "%1" in the folder's name stays as it is in the names it is set aside under.
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/results %1-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("results.json"));
    const QString earlier = folder.filePath(QStringLiteral("results (set aside).json"));
    plant(earlier, "set aside before");
    plant(path, "{ damaged");
    const ResultHistory history(path);

    const ResultHistory::Result setAside = history.setAside();
    QVERIFY2(setAside.ok, qPrintable(setAside.error));
    QCOMPARE(setAside.setAsidePath, folder.filePath(QStringLiteral("results (set aside 2).json")));
    QCOMPARE(readAllBytes(setAside.setAsidePath), QByteArray("{ damaged"));
    QCOMPARE(readAllBytes(earlier), QByteArray("set aside before"));
    QVERIFY(!QFileInfo::exists(path));

    // The next result starts a file of its own.
    QVERIFY(history.append(result(6)).ok);
    QCOMPARE(history.read().results, QList<FinishedTest> {result(6)});
}

void TstResultHistory::copiesWritingAtOnceLoseNothing()
{
    QTemporaryDir folder;
    // The copies make the data folder too, all at once, and with a umask that
    // would let the user's group write it.
    const QString data = folder.filePath(QStringLiteral("palmora"));
    const QString path = data + QStringLiteral("/results.json");
    const mode_t umask = ::umask(S_IWGRP | S_IWOTH);
    const auto restoreUmask = qScopeGuard([umask] { ::umask(umask); });
    constexpr int kEach = 30;
    // Two other copies and this one, each adding its own kind of result.
    QList<QProcess *> copies;
    for (const TestMode mode : {TestMode::BySignificance, TestMode::ByLocationShape}) {
        auto *copy = new QProcess(this);
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start(QCoreApplication::applicationDirPath() + QStringLiteral("/resultwriter"),
                    {path, QString::number(kEach), QString::number(int(mode))});
        QVERIFY(copy->waitForStarted());
        copies.append(copy);
    }
    const ResultHistory history(path);
    for (int i = 0; i < kEach; ++i) {
        const ResultHistory::Result added = history.append(result(i % 11, TestMode::ByName, i));
        QVERIFY2(added.ok, qPrintable(added.error));
    }
    for (QProcess *copy : std::as_const(copies)) {
        QVERIFY(copy->waitForFinished(60000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
    }

    const ResultHistory::Result read = history.read();
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.results.size(), 3 * kEach);
    QCOMPARE(QFileInfo(data).permissions()
                 & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Every result of every copy is there, each copy's in the order it wrote them.
    for (const TestMode mode : {TestMode::ByName, TestMode::BySignificance, TestMode::ByLocationShape}) {
        QList<int> scores;
        for (const FinishedTest &test : read.results) {
            if (test.mode == mode)
                scores.append(test.score);
        }
        QList<int> expected;
        for (int i = 0; i < kEach; ++i)
            expected.append(i % 11);
        QCOMPARE(scores, expected);
    }
}

void TstResultHistory::damagedFileIsToldAndKeptUntilSetAside_data()
{
    QTest::addColumn<bool>("shared");
    QTest::newRow("in the user's own folder") << false;
    QTest::newRow("in a folder others can change") << true;
}

// The options page tells of a file it cannot use, and never writes over it;
// once the user agrees, the file is set aside whole and the results start anew.
void TstResultHistory::damagedFileIsToldAndKeptUntilSetAside()
{
    QFETCH(bool, shared);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.json"));
    const QByteArray damaged = fileOf(2).left(40);
    plant(path, damaged);
    QVERIFY(!shared || ::chmod(QFile::encodeName(folder.path()).constData(), 0777) == 0);
    testing::MessageRecorder messages;
    TopicCatalogue catalogue;
    PictureList pictures;
    GeneratorRandomSource random(7u);

    const auto takeTest = [&](SelfTest &test) {
        test.optionsPage()->findChild<QButtonGroup *>()->button(1)->setChecked(true);
        test.startTest();
        for (int q = 0; q < kQuestionCount; ++q) {
            test.questionPage()->findChild<QButtonGroup *>()->button(0)->setChecked(true);
            test.questionPage()->findChild<QPushButton *>(QStringLiteral("nextQuestionButton"))->click();
        }
    };
    const auto shownList = [](SelfTest &test) {
        return test.optionsPage()->findChild<QLabel *>(QStringLiteral("resultHistoryLabel"))->text();
    };

    for (const MessageBox::Answer answer : {MessageBox::Answer::No, MessageBox::Answer::Yes}) {
        messages.clear();
        messages.queueAnswer(answer);
        SelfTest test(catalogue, pictures, random);
        test.setResultStore(std::make_shared<ResultStore>(path));
        QStackedWidget stack;
        stack.addWidget(test.optionsPage());
        stack.addWidget(test.questionPage());
        stack.addWidget(test.resultPage());
        QObject::connect(&test, &SelfTest::showPageRequested, &stack, &QStackedWidget::setCurrentWidget);
        stack.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stack));
        QTRY_VERIFY(messages.count() > 0);
        const MessageBox::Request told = messages.requests().first();
        QCOMPARE(told.icon, MessageBox::Icon::Critical);
        QCOMPARE(told.buttons == MessageBox::Buttons::YesNo, !shared);
        QVERIFY2(told.text.contains(path)
                     && told.text.contains(shared ? "not kept in that folder" : "damaged")
                     && told.text.contains(QStringLiteral("set it aside")) != shared,
                 qPrintable(told.text));

        if (answer == MessageBox::Answer::No || shared) {
            QVERIFY2(shownList(test).contains(QStringLiteral("not kept")), qPrintable(shownList(test)));
            takeTest(test);
            // Nothing more is asked, and the file is as it was.
            QCOMPARE(messages.count(), 1);
            QCOMPARE(readAllBytes(path), damaged);
        } else {
            QCOMPARE(messages.count(), 2);
            const QString setAside = folder.filePath(QStringLiteral("results (set aside).json"));
            QCOMPARE(
                messages.last().text,
                QStringLiteral("The file was kept as %1. The results of your next tests are kept in a new "
                               "file.")
                    .arg(setAside));
            QCOMPARE(readAllBytes(setAside), damaged);
            takeTest(test);
            // Kept once the report is drawn.
            QTRY_COMPARE(ResultHistory(path).read().results.size(), 1);
            QCOMPARE(messages.count(), 2);
            const ResultHistory::Result read = ResultHistory(path).read();
            QCOMPARE(read.results.first().mode, TestMode::BySignificance);
            QVERIFY2(shownList(test).startsWith(
                         QStringLiteral("%1 of 10 right, by significance").arg(read.results.first().score)),
                     qPrintable(shownList(test)));
        }
    }
}

QTEST_MAIN(TstResultHistory)
#include "tst_resulthistory.moc"
