// Reads arbitrary stored reminder records: decoding never crashes, a value that
// decodes is what was encoded, and the decision is always one of the three.
// The same bytes then serve as the whole settings file, run through the real
// store and reminder: a readable date is never thrown away, and a store that
// cannot be read is left as it was. Before any input, a FIFO, a folder and an
// oversized file stand in for the store; a hang there is caught by the test's
// time limit.
#include "common/messagebox.h"
#include "web/reminderrecord.h"
#include "web/reminderrule.h"
#include "web/updatereminder.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>

namespace {

const QDate kToday(2026, 12, 7);
int g_questions = 0;

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString storePath()
{
    return folder().filePath(QStringLiteral("palmora.ini"));
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Clears the store's place and everything left beside it.
void clearStore()
{
    QDir dir(folder().path());
    for (const QString &name : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        const QString path = dir.filePath(name);
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

void runReminder()
{
    palmora::ReminderRecord record(storePath());
    palmora::runUpdateReminder(record, kToday);
}

// A store that is no regular file, or far too large, is unreadable: nothing is
// asked, and it is not replaced.
void brokenStoresEndTheReminder()
{
    const QString path = storePath();
    const QByteArray name = QFile::encodeName(path);

    clearStore();
    require(::mkfifo(name.constData(), 0600) == 0);
    require(!palmora::ReminderRecord(path).load());
    runReminder();
    require(!QFileInfo(path).isFile() && QFileInfo::exists(path));

    clearStore();
    require(QDir().mkdir(path));
    require(!palmora::ReminderRecord(path).load());
    runReminder();
    require(QFileInfo(path).isDir());

    clearStore();
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\n" + palmora::ReminderRecord::storedKeyName().toLatin1() + '='
                   + palmora::ReminderRecord::encode(QStringLiteral("2026-01-01")).toLatin1() + '\n');
        file.write(QByteArray(palmora::ReminderRecord::kMaxStoreBytes, '#'));
    }
    const QByteArray huge = bytesOf(path);
    require(!palmora::ReminderRecord(path).load());
    runReminder();
    require(bytesOf(path) == huge);
    require(g_questions == 0);
}

void checkStoredValue(const std::uint8_t *data, std::size_t size)
{
    const QString stored =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<QString> decoded = palmora::ReminderRecord::decode(stored);
    const QString plain = decoded.value_or(QString());
    require(palmora::ReminderRecord::decode(palmora::ReminderRecord::encode(plain)) == plain);

    const palmora::ReminderAction action = palmora::reminderAction(plain, kToday);
    const QDate date = palmora::reminderDateFromText(plain);
    // An unreadable record is treated as a first run.
    require(date.isValid() || action == palmora::ReminderAction::RecordToday);
    require(!(date.isValid() && qAbs(kToday.daysTo(date)) <= 14)
            || action == palmora::ReminderAction::Silent);
}

void checkStoreFile(const std::uint8_t *data, std::size_t size)
{
    clearStore();
    const QString path = storePath();
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    const std::optional<QString> before = palmora::ReminderRecord(path).load();
    g_questions = 0;
    runReminder();
    const std::optional<QString> after = palmora::ReminderRecord(path).load();

    if (!before) {
        require(bytesOf(path) == bytes && g_questions == 0);
        return;
    }
    require(after.has_value());
    const QDate was = palmora::reminderDateFromText(*before);
    const QDate now = palmora::reminderDateFromText(*after);
    if (!was.isValid()) {
        // A first run: today is recorded, nothing asked.
        require(g_questions == 0 && now == kToday);
    } else if (qAbs(kToday.daysTo(was)) <= palmora::kReminderQuietDays) {
        // Quiet: the store is not touched at all.
        require(g_questions == 0 && bytesOf(path) == bytes);
    } else if (now == kToday) {
        // Due: today recorded, then asked once.
        require(g_questions == 1);
    } else {
        // Due, but the store takes no record: not asked, not touched.
        require(g_questions == 0 && bytesOf(path) == bytes);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    require(folder().isValid());
    palmora::MessageBox::setHandler([](const palmora::MessageBox::Request &) {
        ++g_questions;
        return palmora::MessageBox::Answer::No;
    });
    brokenStoresEndTheReminder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkStoredValue(data, size);
    checkStoreFile(data, size);
    return 0;
}
