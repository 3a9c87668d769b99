#include "web/reminderrecord.h"

#include "filebytes.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using palmora::ReminderRecord;
using palmora::testing::readAllBytes;
using palmora::testing::writeAllBytes;

class TstReminderRecord : public QObject {
    Q_OBJECT
private slots:
    void storesKeyAndValueEncoded();
    void writeKeepsTheRestOfTheStore();
    void storeThatIsNoSettingsFileIsLeftAlone();
    void absentRecordReadsEmpty();
    void unwritableStoreReportsFailure();
    void defaultStoreIsNamedAfterTheExecutable();
};

void TstReminderRecord::storesKeyAndValueEncoded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("palmora.ini"));
    ReminderRecord record(path);
    QVERIFY(record.write(QStringLiteral("2026-11-17")));
    // "Duration" and the date in base64url, and nothing else.
    QCOMPARE(readAllBytes(path), QByteArray("[Settings]\nRHVyYXRpb24=MjAyNi0xMS0xNw\n"));
    // A second record object on the same file sees the same date.
    QCOMPARE(ReminderRecord(path).load(), std::optional<QString>(QStringLiteral("2026-11-17")));
    // Such bytes written without QSettings read alike.
    const QString older = dir.filePath(QStringLiteral("older.ini"));
    writeAllBytes(older, "[Settings]\nRHVyYXRpb24=MjAyMC0wMS0wMQ\n");
    QCOMPARE(ReminderRecord(older).load(), std::optional<QString>(QStringLiteral("2020-01-01")));
}

// The store may hold more than the record (a later version's keys, a hand's
// edits): a write changes the one value and keeps every other key and section.
void TstReminderRecord::writeKeepsTheRestOfTheStore()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("palmora.ini"));
    const QString key = QStringLiteral("Settings/RHVyYXRpb24");
    QVariantMap others;
    others.insert(QStringLiteral("General/Theme"), QStringLiteral("dark"));
    others.insert(QStringLiteral("Settings/Sibling"), 7);
    others.insert(QStringLiteral("Window/Geometry"), QByteArray("\x01\x02 bytes"));
    others.insert(QStringLiteral("Window/Recent"), QStringList {QStringLiteral("a"), QStringLiteral("b")});
    {
        QSettings settings(path, QSettings::IniFormat);
        for (auto it = others.cbegin(); it != others.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.setValue(key, QStringLiteral("MjAyNi0wMS0wMQ"));
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
    QCOMPARE(ReminderRecord(path).load(), std::optional<QString>(QStringLiteral("2026-12-07")));
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
    // Each through a link of its own: QSettings finds a line that is no setting
    // only the first time in a process that it reads the file.
    QVERIFY(QFile::link(list, path) && QFile::link(list, path + QStringLiteral(".2")));
    QVERIFY(!ReminderRecord(path).write(QStringLiteral("2026-12-07")));
    QVERIFY(!ReminderRecord(path + QStringLiteral(".2")).load().has_value());
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(palmora::testing::readAllBytes(list), bytes);
}

void TstReminderRecord::absentRecordReadsEmpty()
{
    QTemporaryDir dir;
    QCOMPARE(ReminderRecord(dir.filePath(QStringLiteral("none.ini"))).load(),
             std::optional<QString>(QString()));
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
    QCOMPARE(record.load(), std::optional<QString>(QString()));
}

void TstReminderRecord::defaultStoreIsNamedAfterTheExecutable()
{
    QVERIFY(ReminderRecord().write(QStringLiteral("2026-11-17")));
    // Worked out by hand, the name is the one QSettings gives.
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Palmora"),
                             QStringLiteral("tst_reminderrecord"));
    QCOMPARE(settings.value(QStringLiteral("Settings/RHVyYXRpb24")).toString(),
             QStringLiteral("MjAyNi0xMS0xNw"));
}

QTEST_GUILESS_MAIN(TstReminderRecord)
#include "tst_reminderrecord.moc"
