#include "web/reminderrecord.h"
#include "web/reminderrule.h"
#include "web/updatereminder.h"

#include "messagerecorder.h"
#include "ordinaryuser.h"
#include "urlrecorder.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace palmora;
using palmora::testing::MessageRecorder;
using palmora::testing::UrlRecorder;

namespace {
const QDate kToday(2026, 12, 7);
} // namespace

class TstUpdateReminder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void decisionTable_data();
    void decisionTable();
    void unreadableRecordCountsAsFirstRun_data();
    void unreadableRecordCountsAsFirstRun();
    void unwritableStoreStillLetsStartUpGoOn();
    void storeThatTakesNoRecordIsNotAskedAbout_data();
    void storeThatTakesNoRecordIsNotAskedAbout();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("palmora.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstUpdateReminder::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TstUpdateReminder::decisionTable_data()
{
    QTest::addColumn<QString>("stored"); // empty: no record
    QTest::addColumn<int>("answer"); // 1 Yes, 0 No
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("storedAfter");

    const QString today = kToday.toString(Qt::ISODate);
    auto daysFromToday = [](int days) { return kToday.addDays(days).toString(Qt::ISODate); };
    QTest::newRow("no record") << QString() << 1 << false << today;
    QTest::newRow("today") << today << 1 << false << today;
    QTest::newRow("14 days back") << daysFromToday(-14) << 1 << false << daysFromToday(-14);
    QTest::newRow("14 days ahead") << daysFromToday(14) << 1 << false << daysFromToday(14);
    QTest::newRow("15 days back, yes") << daysFromToday(-15) << 1 << true << today;
    QTest::newRow("15 days back, no") << daysFromToday(-15) << 0 << true << today;
    QTest::newRow("15 days ahead, yes") << daysFromToday(15) << 1 << true << today;
    QTest::newRow("15 days ahead, no") << daysFromToday(15) << 0 << true << today;
    QTest::newRow("20 days back, yes") << daysFromToday(-20) << 1 << true << today;
    QTest::newRow("two years back, no") << daysFromToday(-730) << 0 << true << today;
}

void TstUpdateReminder::decisionTable()
{
    QFETCH(QString, stored);
    QFETCH(int, answer);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);

    ReminderRecord record(path());
    if (!stored.isEmpty())
        QVERIFY(record.write(stored));

    MessageRecorder messages;
    messages.queueAnswer(answer ? MessageBox::Answer::Yes : MessageBox::Answer::No);
    UrlRecorder urls;
    runUpdateReminder(record, kToday);

    QCOMPARE(messages.count(), asks ? 1 : 0);
    if (asks) {
        const MessageBox::Request request = messages.last();
        QCOMPARE(request.buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(request.defaultAnswer, MessageBox::Answer::Yes);
        QCOMPARE(request.icon, MessageBox::Icon::Information);
        QCOMPARE(request.title, QStringLiteral("Palmora"));
        QCOMPARE(request.text,
                 QStringLiteral("There maybe an update to this software available\rDo you want to check "
                                "for an update?"));
    }
    const bool opens = asks && answer == 1;
    QCOMPARE(urls.addresses(),
             opens ? QStringList {QStringLiteral(
                 "https://www.vespersoftwares.example/palmora-free/ssd.php?page=download-web-page")}
                   : QStringList {});
    QCOMPARE(ReminderRecord(path()).load(), std::optional<QString>(storedAfter));

    // Whatever happened, the next start-up on the same day stays silent.
    messages.clear();
    runUpdateReminder(record, kToday);
    QCOMPARE(messages.count(), 0);
}

void TstUpdateReminder::unreadableRecordCountsAsFirstRun_data()
{
    QTest::addColumn<QString>("rawValue"); // written to the store as it is, not encoded
    QTest::newRow("plain old-style date") << QStringLiteral("07/11/2026");
    QTest::newRow("encoded text that is no date") << QStringLiteral("bGFzdCBUdWVzZGF5"); // last Tuesday
    QTest::newRow("encoded locale date") << QStringLiteral("MTEvNy8yMDI2"); // 11/7/2026
    QTest::newRow("encoded impossible date") << QStringLiteral("MjAyNi0wMi0zMA"); // 2026-02-30
    QTest::newRow("garbage") << QStringLiteral("%%%###");
}

void TstUpdateReminder::unreadableRecordCountsAsFirstRun()
{
    QFETCH(QString, rawValue);
    {
        QSettings settings(path(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settings/RHVyYXRpb24"), rawValue);
    }
    QCOMPARE(reminderAction(ReminderRecord(path()).load().value_or(QString()), kToday),
             ReminderAction::RecordToday);

    MessageRecorder messages;
    UrlRecorder urls;
    ReminderRecord record(path());
    runUpdateReminder(record, kToday);
    QCOMPARE(messages.count(), 0);
    QVERIFY(urls.urls().isEmpty());
    // Repaired: the record now holds today, so the reminder counts from here.
    QCOMPARE(ReminderRecord(path()).load(), std::optional<QString>(kToday.toString(Qt::ISODate)));

    runUpdateReminder(record, kToday.addDays(15));
    QCOMPARE(messages.count(), 1);
}

void TstUpdateReminder::unwritableStoreStillLetsStartUpGoOn()
{
    QFile blocker(m_dir->filePath(QStringLiteral("plainfile")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ReminderRecord record(m_dir->filePath(QStringLiteral("plainfile/palmora.ini")));

    MessageRecorder messages;
    UrlRecorder urls;
    // Nothing can be stored, so every start-up looks like the first: no question.
    runUpdateReminder(record, kToday);
    runUpdateReminder(record, kToday.addDays(30));
    QCOMPARE(messages.count(), 0);
    QVERIFY(urls.urls().isEmpty());
    QCOMPARE(record.load(), std::optional<QString>(QString()));
}

// The question comes at most once however the store is: a store at its size
// bound takes the new date in place of the old one, and one that can be read
// but takes no record is not asked about and is left as it was.
void TstUpdateReminder::storeThatTakesNoRecordIsNotAskedAbout_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<bool>("asked");
    QTest::newRow("at its size bound") << QStringLiteral("full") << true;
    QTest::newRow("read-only") << QStringLiteral("read-only") << false;
}

void TstUpdateReminder::storeThatTakesNoRecordIsNotAskedAbout()
{
    QFETCH(QString, store);
    QFETCH(bool, asked);
    // Root writes through read-only permissions: the row runs as a user.
    const palmora::testing::OrdinaryUser user({m_dir->path()});
    QVERIFY(user.isOrdinary());
    // Twenty days old: asked about, were the record written.
    QByteArray bytes = "[Settings]\nRHVyYXRpb24=MjAyNi0xMS0xNw\n"; // 2026-11-17
    if (store == QLatin1String("full")) {
        // Padded with other settings to exactly 65536 bytes, the most that is read.
        bytes += "[Notes]\n";
        for (int n = 0; bytes.size() < 65536 - 80; ++n)
            bytes += QByteArray("n") + QByteArray::number(n) + '=' + QByteArray(60, 'x') + '\n';
        bytes += "last=" + QByteArray(65536 - bytes.size() - 6, 'y') + '\n';
        QCOMPARE(bytes.size(), 65536);
    }
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    if (store == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    ReminderRecord record(path());
    QVERIFY(record.load().has_value());

    MessageRecorder messages;
    for (int start = 0; start < 3; ++start)
        messages.queueAnswer(MessageBox::Answer::No);
    UrlRecorder urls;
    for (int start = 0; start < 3; ++start)
        runUpdateReminder(record, kToday);
    QFile::setPermissions(m_dir->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(messages.count(), asked ? 1 : 0);
    QVERIFY(urls.urls().isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    if (!asked) {
        QCOMPARE(after, bytes);
        return;
    }
    // QSettings orders the store its own way, with the date and every other setting.
    QCOMPARE(QSettings(path(), QSettings::IniFormat).value(QStringLiteral("Settings/RHVyYXRpb24")).toString(),
             QStringLiteral("MjAyNi0xMi0wNw"));
    QVERIFY(after.contains(bytes.mid(bytes.indexOf("last="))));
}

QTEST_MAIN(TstUpdateReminder)
#include "tst_updatereminder.moc"
