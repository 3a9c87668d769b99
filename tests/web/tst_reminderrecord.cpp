#include "web/reminderrecord.h"

#include "filebytes.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using palmora::ReminderRecord;
using palmora::testing::readAllBytes;
using palmora::testing::writeAllBytes;

class TstReminderRecord : public QObject {
    Q_OBJECT
private slots:
    void encodingRoundTrip_data();
    void encodingRoundTrip();
    void storesKeyAndValueEncoded();
    void writeKeepsTheRestOfTheStore();
    void writeSetsOneLine_data();
    void writeSetsOneLine();
    void readSeesTheLastWriteWithinOneTimestampTick();
    void writeClearsWhatKilledWritesLeft();
    void storeThatIsNoSettingsFileIsLeftAlone();
    void absentRecordReadsEmpty();
    void unwritableStoreReportsFailure();
    void defaultStoreIsNamedAfterTheExecutable();
};

void TstReminderRecord::encodingRoundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::newRow("key") << QStringLiteral("Duration");
    QTest::newRow("date") << QStringLiteral("2026-12-07");
    QTest::newRow("empty") << QString();
    QTest::newRow("non-ascii") << QStringLiteral("Dauer \u00e4\u00df \U0001F590");
    QTest::newRow("slashes") << QStringLiteral("a/b\\c?d");
}

void TstReminderRecord::encodingRoundTrip()
{
    QFETCH(QString, plain);
    const QString stored = ReminderRecord::encode(plain);
    // Neither separator QSettings gives a meaning to may appear in the stored form.
    QVERIFY(!stored.contains(QLatin1Char('/')));
    QVERIFY(!stored.contains(QLatin1Char('\\')));
    if (!plain.isEmpty())
        QVERIFY(stored != plain);
    const auto decoded = ReminderRecord::decode(stored);
    QVERIFY(decoded.has_value());
    QCOMPARE(*decoded, plain);
}

void TstReminderRecord::storesKeyAndValueEncoded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("palmora.ini"));
    ReminderRecord record(path);
    QVERIFY(record.write(QStringLiteral("2026-11-17")));
    QCOMPARE(record.read(), QStringLiteral("2026-11-17"));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    QVERIFY(raw.contains("[Settings]"));
    QVERIFY(!raw.contains("Duration"));
    QVERIFY(!raw.contains("2026-11-17"));

    QSettings settings(path, QSettings::IniFormat);
    const QStringList keys = settings.allKeys();
    QCOMPARE(keys.size(), 1);
    QCOMPARE(keys.first(), QStringLiteral("Settings/") + ReminderRecord::storedKeyName());
    QCOMPARE(ReminderRecord::decode(ReminderRecord::storedKeyName()),
             std::optional<QString>(QStringLiteral("Duration")));
    QCOMPARE(ReminderRecord::decode(settings.value(keys.first()).toString()),
             std::optional<QString>(QStringLiteral("2026-11-17")));

    // A second record object on the same file sees the same date.
    QCOMPARE(ReminderRecord(path).read(), QStringLiteral("2026-11-17"));
}

// The store may hold more than the record (a later version's keys, a hand's
// edits): a write changes the one value and keeps every other key and section.
void TstReminderRecord::writeKeepsTheRestOfTheStore()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("palmora.ini"));
    const QString key = QStringLiteral("Settings/") + ReminderRecord::storedKeyName();
    QVariantMap others;
    others.insert(QStringLiteral("General/Theme"), QStringLiteral("dark"));
    others.insert(QStringLiteral("Settings/Sibling"), 7);
    others.insert(QStringLiteral("Window/Geometry"), QByteArray("\x01\x02 bytes"));
    others.insert(QStringLiteral("Window/Recent"), QStringList {QStringLiteral("a"), QStringLiteral("b")});
    {
        QSettings settings(path, QSettings::IniFormat);
        for (auto it = others.cbegin(); it != others.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.setValue(key, ReminderRecord::encode(QStringLiteral("2026-01-01")));
    }
    QVERIFY(ReminderRecord(path).write(QStringLiteral("2026-12-07")));

    QSettings settings(path, QSettings::IniFormat);
    QStringList keys = settings.allKeys();
    QVERIFY(keys.removeOne(key));
    QCOMPARE(keys.size(), others.size());
    for (auto it = others.cbegin(); it != others.cend(); ++it)
        QCOMPARE(settings.value(it.key()).toString(), it.value().toString());
    QCOMPARE(settings.value(QStringLiteral("Window/Recent")).toStringList(),
             others.value(QStringLiteral("Window/Recent")).toStringList());
    QCOMPARE(ReminderRecord(path).read(), QStringLiteral("2026-12-07"));
}

void TstReminderRecord::writeSetsOneLine_data()
{
    // "Duration" and the dates, base64url-encoded.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray record = "RHVyYXRpb24=MjAyNi0xMi0wNw";
    QTest::newRow("empty") << QByteArray() << "[Settings]\n" + record + '\n';
    QTest::newRow("comments only") << QByteArray("; mine\n") << "; mine\n\n[Settings]\n" + record + '\n';
    // Keys before any section are QSettings' [General]: the record's key among
    // them is not the record, and stays.
    QTest::newRow("no section line at all")
        << QByteArray("name=Ann\nRHVyYXRpb24=MjAyMC0wMS0wMQ\n")
        << "name=Ann\nRHVyYXRpb24=MjAyMC0wMS0wMQ\n\n[Settings]\n" + record + '\n';
    QTest::newRow("another section only")
        << QByteArray("[Window]\nx=1") << "[Window]\nx=1\n\n[Settings]\n" + record + '\n';
    QTest::newRow("old record among others")
        << QByteArray("[Settings]\na=1\nRHVyYXRpb24=MjAyMC0wMS0wMQ\nb=2\n[Window]\nx=1\n")
        << "[Settings]\n" + record + "\na=1\nb=2\n[Window]\nx=1\n";
    // A lone CR ends a line for the reader: the writer takes the same lines.
    QTest::newRow("a line ended by a lone CR")
        << QByteArray("[Settings]\nname=Ann\rRHVyYXRpb24=MjAyMC0wMS0wMQ\n")
        << "[Settings]\n" + record + "\nname=Ann\r";
    // A byte-order mark counts at the head of the file alone: later, it is part
    // of a key, and what follows it is no section.
    QTest::newRow("a byte-order mark mid-file")
        << QByteArray("[Settings]\n\xEF\xBB\xBF[x]=1\nRHVyYXRpb24=MjAyMC0wMS0wMQ\n")
        << "[Settings]\n" + record + "\n\xEF\xBB\xBF[x]=1\n";
    QTest::newRow("a byte-order mark at the head")
        << QByteArray("\xEF\xBB\xBF[Settings]\nRHVyYXRpb24=MjAyMC0wMS0wMQ\n")
        << "\xEF\xBB\xBF[Settings]\n" + record + '\n';
    QTest::newRow("Windows line ends")
        << QByteArray("[Settings]\r\nRHVyYXRpb24=MjAyMC0wMS0wMQ\r\n") << "[Settings]\r\n" + record + "\r\n";
}

// The exact bytes a write leaves: the record at the head of its section, made
// when missing, and every other line as it was.
void TstReminderRecord::writeSetsOneLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("palmora.ini"));
    writeAllBytes(path, before);
    ReminderRecord record(path);
    QVERIFY(record.write(QStringLiteral("2026-12-07")));
    QCOMPARE(readAllBytes(path), after);
    QCOMPARE(record.read(), QStringLiteral("2026-12-07"));
}

// Two replacements of the same size whose modification times match, as on a
// file system fast enough to make both within one tick: every read still
// returns what the file holds.
void TstReminderRecord::readSeesTheLastWriteWithinOneTimestampTick()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("palmora.ini"));
    ReminderRecord record(path);
    QVERIFY(record.write(QStringLiteral("2026-11-17")));
    QCOMPARE(record.read(), QStringLiteral("2026-11-17"));
    const QDateTime tick = QFileInfo(path).lastModified();

    const QStringList later {QStringLiteral("2026-12-07"), QStringLiteral("2025-01-31")};
    for (const QString &date : later) {
        QVERIFY(record.write(date));
        QFile store(path);
        QVERIFY(store.open(QIODevice::ReadWrite));
        QVERIFY(store.setFileTime(tick, QFileDevice::FileModificationTime));
        store.close();
        QCOMPARE(QFileInfo(path).lastModified(), tick);
        QCOMPARE(record.read(), date);
        QCOMPARE(ReminderRecord(path).read(), date);
    }
}

// What a writer killed midway leaves behind (QSettings' scratch copies of the
// store and their locks, a lock that names no writer) is cleared by the next write, which
// neither waits for it nor touches anything else beside the store.
void TstReminderRecord::writeClearsWhatKilledWritesLeft()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("palmora.ini"));
    QVERIFY(ReminderRecord(path).write(QStringLiteral("2026-11-17")));
    const QStringList leftovers {QStringLiteral("palmora.ini.aB3dE9"),
                                 QStringLiteral("palmora.ini.aB3dE9.lock"),
                                 QStringLiteral("palmora.ini.Zq81xk")};
    const QStringList kept {QStringLiteral("palmora.ini.backup"), QStringLiteral("palmora.ini.old"),
                            QStringLiteral("other.ini.aB3dE9")};
    for (const QString &name : leftovers + kept)
        writeAllBytes(dir.filePath(name), "[Settings]\n");
    // An empty lock, a second old: its maker died before writing its name in.
    const QString lock = path + QStringLiteral(".lock");
    writeAllBytes(lock, QByteArray());
    {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-2), QFileDevice::FileModificationTime));
    }

    QVERIFY(ReminderRecord(path).write(QStringLiteral("2026-12-07")));
    QCOMPARE(ReminderRecord(path).read(), QStringLiteral("2026-12-07"));
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    QStringList expected = kept + QStringList {QStringLiteral("palmora.ini")};
    expected.sort();
    QCOMPARE(left, expected);

    // A lock a live writer holds is waited for, a bounded time, and kept.
    QLockFile live(lock);
    QVERIFY(live.tryLock(0));
    QVERIFY(!ReminderRecord(path).write(QStringLiteral("2026-12-08")));
    QVERIFY(QFileInfo::exists(lock));
    QCOMPARE(ReminderRecord(path).read(), QStringLiteral("2026-12-07"));
}

// A store that does not read as settings (here a link to a shopping list) is
// unreadable, and no write cuts it down to the lines a settings reader knows.
void TstReminderRecord::storeThatIsNoSettingsFileIsLeftAlone()
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("shopping.txt"));
    const QByteArray bytes("milk\neggs = 6\n[ ] bread\n; not a comment here\n");
    writeAllBytes(list, bytes);
    const QString path = dir.filePath(QStringLiteral("palmora.ini"));
    QVERIFY(QFile::link(list, path));
    ReminderRecord record(path);
    QVERIFY(!record.load().has_value());
    QVERIFY(!record.write(QStringLiteral("2026-12-07")));
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(palmora::testing::readAllBytes(list), bytes);
}

void TstReminderRecord::absentRecordReadsEmpty()
{
    QTemporaryDir dir;
    QVERIFY(ReminderRecord(dir.filePath(QStringLiteral("none.ini"))).read().isEmpty());
}

void TstReminderRecord::unwritableStoreReportsFailure()
{
    // A path below a plain file can never be created, whoever runs the test.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("plainfile")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ReminderRecord record(dir.filePath(QStringLiteral("plainfile/palmora.ini")));
    QVERIFY(!record.write(QStringLiteral("2026-12-07")));
    QVERIFY(record.read().isEmpty());
}

void TstReminderRecord::defaultStoreIsNamedAfterTheExecutable()
{
    QCOMPARE(ReminderRecord::applicationName(), QStringLiteral("tst_reminderrecord"));
    QVERIFY(ReminderRecord::defaultSettingsFilePath().endsWith(QStringLiteral("/tst_reminderrecord.ini")));
    // Worked out by hand, the name is the one QSettings gives, so a record that
    // a copy keeping it through QSettings wrote is found.
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Palmora"),
                             ReminderRecord::applicationName());
    QCOMPARE(ReminderRecord::defaultSettingsFilePath(), settings.fileName());
}

QTEST_GUILESS_MAIN(TstReminderRecord)
#include "tst_reminderrecord.moc"
