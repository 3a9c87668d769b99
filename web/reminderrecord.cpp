#include "web/reminderrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace palmora {

namespace {
constexpr char kOrganization[] = "Palmora";
constexpr auto kBase64Options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

enum class StoreState { Absent, Usable, Unusable };

// Looks at the store without opening it: opening a FIFO would wait for a writer
// that never comes, and a huge file would be read whole.
StoreState storeState(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return StoreState::Absent;
    if (!info.isFile() || info.size() > ReminderRecord::kMaxStoreBytes)
        return StoreState::Unusable;
    return StoreState::Usable;
}

// The store's bytes, or nothing when they cannot all be read.
std::optional<QByteArray> storeBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(ReminderRecord::kMaxStoreBytes + 1);
    if (bytes.size() > ReminderRecord::kMaxStoreBytes || file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
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

QString ReminderRecord::sectionName()
{
    return QStringLiteral("Settings");
}

QString ReminderRecord::keyName()
{
    return QStringLiteral("Duration");
}

QString ReminderRecord::storedKeyName()
{
    return encode(keyName());
}

QString ReminderRecord::applicationName()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("palmora") : name;
}

QString ReminderRecord::defaultSettingsFilePath()
{
    // QSettings reads its files as soon as it is made, so it cannot be asked for
    // the name; on XDG desktops its user folder is the generic config location.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
        + QLatin1String(kOrganization) + QLatin1Char('/') + applicationName() + QStringLiteral(".ini");
}

QString ReminderRecord::encode(const QString &plain)
{
    return QString::fromLatin1(plain.toUtf8().toBase64(kBase64Options));
}

std::optional<QString> ReminderRecord::decode(const QString &stored)
{
    const auto decoded = QByteArray::fromBase64Encoding(
        stored.toLatin1(), kBase64Options | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    const QString text = QString::fromUtf8(decoded.decoded);
    // A round trip proves the text really came from encode().
    if (encode(text) != stored)
        return std::nullopt;
    return text;
}

std::optional<QString> ReminderRecord::load() const
{
    switch (storeState(m_filePath)) {
    case StoreState::Absent:
        return QString();
    case StoreState::Unusable:
        return std::nullopt;
    case StoreState::Usable:
        break;
    }
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return std::nullopt;
    settings.beginGroup(sectionName());
    const QString stored = settings.value(storedKeyName()).toString();
    return decode(stored).value_or(QString());
}

QString ReminderRecord::read() const
{
    return load().value_or(QString());
}

bool ReminderRecord::write(const QString &text)
{
    const StoreState state = storeState(m_filePath);
    if (state == StoreState::Unusable)
        return false;
    const QFileInfo info(m_filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return false;

    // The lock QSettings takes for a write, waited for a bounded time. A lock that
    // is no regular file is never opened: QLockFile would wait on a FIFO.
    const QString lockPath = m_filePath + QStringLiteral(".lock");
    const QFileInfo lockInfo(lockPath);
    if ((lockInfo.exists() || lockInfo.isSymLink()) && !lockInfo.isFile())
        return false;
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWaitMilliseconds))
        return false;

    // QSettings would wait for ever on the lock held here, so it works on a copy
    // beside the store, which then replaces the store in one step.
    QByteArray bytes;
    if (state == StoreState::Usable) {
        const std::optional<QByteArray> current = storeBytes(m_filePath);
        if (!current)
            return false;
        bytes = *current;
    }
    QTemporaryFile scratch(m_filePath + QStringLiteral(".XXXXXX"));
    if (!scratch.open() || scratch.write(bytes) != bytes.size() || !scratch.flush())
        return false;
    scratch.close();
    {
        // A format error in what was there before does not stop the write; the
        // lines QSettings could read are kept, as it always did.
        QSettings settings(scratch.fileName(), QSettings::IniFormat);
        settings.beginGroup(sectionName());
        settings.setValue(storedKeyName(), encode(text));
        settings.endGroup();
        settings.sync();
        if (settings.status() == QSettings::AccessError)
            return false;
    }
    const std::optional<QByteArray> written = storeBytes(scratch.fileName());
    if (!written)
        return false;
    QSaveFile store(m_filePath);
    return store.open(QIODevice::WriteOnly) && store.write(*written) == written->size() && store.commit();
}

} // namespace palmora
