#include "web/reminderrecord.h"

#include "common/filelock.h"
#include "common/filetrust.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace palmora {

namespace {
constexpr auto kBase64Options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
// A record is a few dozen bytes; a store far larger than that is not ours.
constexpr qint64 kMaxStoreBytes = qint64 {64} * 1024;
constexpr int kLockWaitMilliseconds = 300;

QString encode(const QString &plain)
{
    return QString::fromLatin1(plain.toUtf8().toBase64(kBase64Options));
}

// Empty when the text is not something encode() produced.
QString decode(const QString &stored)
{
    const auto decoded = QByteArray::fromBase64Encoding(
        stored.toLatin1(), kBase64Options | QByteArray::AbortOnBase64DecodingErrors);
    const QString text = QString::fromUtf8(decoded.decoded);
    return decoded && encode(text) == stored ? text : QString();
}

QString recordKey()
{
    return QStringLiteral("Settings/") + encode(QStringLiteral("Duration"));
}

QString defaultSettingsFilePath()
{
    // QSettings reads its files as soon as it is made, so it cannot be asked for
    // the name; on XDG desktops its user folder is the generic config location.
    QString application = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (application.isEmpty())
        application = QStringLiteral("palmora");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Palmora/") + application + QStringLiteral(".ini");
}

// The store as QSettings reads it, or nothing when it may not be read. QSettings
// opens whatever is at the path, where a FIFO would wait for a writer that
// never comes, and reads it whole; so the path is looked at first.
std::unique_ptr<QSettings> openStore(const QString &path)
{
    const FileTrust::Verdict verdict = FileTrust::judge(path, FileTrust::Expect::File, true);
    if (!verdict.why.isEmpty() || QFileInfo(verdict.end).size() > kMaxStoreBytes)
        return nullptr;
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    // Sections are parsed when first asked for. A line in any that is no setting
    // means some other text, which a write would cut down to its settings.
    settings->allKeys();
    if (settings->status() != QSettings::NoError)
        return nullptr;
    return settings;
}

// QSettings waits for its lock without end, and would wait on a lock that is a
// FIFO: the lock is tried first, for a bounded time, and given back at once for
// QSettings to take. A lock a killed writer left is cleared on the way.
bool lockIsFree(const QString &path)
{
    FileLock lock(FileLock::besideFile(path));
    return lock.take(std::chrono::milliseconds(kLockWaitMilliseconds)).isEmpty();
}
} // namespace

ReminderRecord::ReminderRecord()
    : m_filePath(defaultSettingsFilePath())
{
}

ReminderRecord::ReminderRecord(const QString &settingsFilePath)
    : m_filePath(settingsFilePath)
{
}

std::optional<QString> ReminderRecord::load() const
{
    if (!QFileInfo::exists(m_filePath) && !QFileInfo(m_filePath).isSymLink())
        return QString();
    const std::unique_ptr<QSettings> settings = openStore(m_filePath);
    if (!settings)
        return std::nullopt;
    return decode(settings->value(recordKey()).toString());
}

bool ReminderRecord::write(const QString &text)
{
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!FileTrust::judge(folder, FileTrust::Expect::Folder, true).why.isEmpty())
        return false;
    FileTrust::makePrivateFolder(folder);
    const std::unique_ptr<QSettings> settings = openStore(m_filePath);
    if (!settings || !lockIsFree(m_filePath))
        return false;
    settings->setValue(recordKey(), encode(text));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace palmora
