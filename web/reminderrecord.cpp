#include "web/reminderrecord.h"

#include "common/filetrust.h"
#include "common/wholefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

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

// A value as QSettings reads it back: surrounding quotes and a trailing comment
// go, an @String() wrapper is opened. A list (a comma outside quotes) is no text.
QByteArray iniValue(QByteArray value)
{
    value = value.trimmed();
    if (value.startsWith('"')) {
        const qsizetype end = value.indexOf('"', 1);
        return end < 0 ? QByteArray() : value.mid(1, end - 1);
    }
    const qsizetype comment = value.indexOf(';');
    if (comment >= 0)
        value = value.left(comment).trimmed();
    if (value.contains(','))
        return {};
    if (value.startsWith("@String(") && value.endsWith(')'))
        return value.mid(8, value.size() - 9);
    return value;
}

// The stored value of the record's key, read from the store's bytes; empty when
// there is none. Nothing when the bytes are no settings file: a line that is
// neither blank, a comment, a [section] nor key=value means some other text (a
// list, a letter) that a rewrite would cut down to its key lines.
//
// The bytes are read here rather than through QSettings, which keeps each file
// it has read in a per-process cache and reads it again only when its size or
// its modification time, to the millisecond, has changed: a store replaced by
// one of the same size within the same millisecond (on tmpfs, where a replace
// takes microseconds) read back as it was before.
std::optional<QString> storedValue(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QByteArray section = ReminderRecord::sectionName().toLatin1();
    const QByteArray key = ReminderRecord::storedKeyName().toLatin1();
    bool inSection = false;
    QByteArray value;
    for (const QByteArray &rawLine : bytes.replace('\r', '\n').split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']'))
                return std::nullopt;
            inSection = line.mid(1, line.size() - 2).trimmed() == section;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return std::nullopt;
        // A later line of the same key wins, as it does for QSettings.
        if (inSection && line.left(equals).trimmed() == key)
            value = iniValue(line.mid(equals + 1));
    }
    return QString::fromLatin1(value);
}

// The store's bytes with the record's key set to `value`, in the way QSettings
// writes it, and every other line, comments included, as it was. Only ever
// given bytes that read as settings.
QByteArray withStoredValue(const QByteArray &bytes, const QByteArray &value)
{
    const QByteArray section = ReminderRecord::sectionName().toLatin1();
    const QByteArray key = ReminderRecord::storedKeyName().toLatin1();
    const QByteArray end = bytes.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    const QByteArray record = key + '=' + value;

    QByteArray out;
    out.reserve(bytes.size() + record.size() + section.size() + 8);
    bool inSection = false;
    bool written = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        // Lines as storedValue() reads them: each ends at LF, CR LF or a lone CR,
        // and a byte-order mark counts only at the head of the file.
        qsizetype stop = start;
        while (stop < bytes.size() && bytes.at(stop) != '\n' && bytes.at(stop) != '\r')
            ++stop;
        if (stop < bytes.size())
            stop += bytes.at(stop) == '\r' && stop + 1 < bytes.size() && bytes.at(stop + 1) == '\n' ? 2 : 1;
        const bool firstLine = start == 0;
        const QByteArray line = bytes.mid(start, stop - start);
        start = stop;
        const QByteArray trimmed =
            firstLine && line.startsWith("\xEF\xBB\xBF") ? line.mid(3).trimmed() : line.trimmed();
        const bool ended = line.endsWith('\n') || line.endsWith('\r');
        if (trimmed.startsWith('[')) {
            inSection = trimmed.mid(1, trimmed.size() - 2).trimmed() == section;
            out += line;
            if (inSection && !written) {
                if (!ended)
                    out += end;
                out += record + end;
                written = true;
            }
            continue;
        }
        const qsizetype equals = trimmed.indexOf('=');
        // Earlier lines of the key would be read over anyway; the new one stands
        // at the head of the section.
        if (inSection && equals >= 0 && trimmed.left(equals).trimmed() == key)
            continue;
        out += line;
    }
    if (!written) {
        if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
            out += end;
        if (!out.isEmpty())
            out += end;
        out += '[' + section + ']' + end + record + end;
    }
    return out;
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
    const std::optional<QByteArray> bytes = storeBytes(m_filePath);
    if (!bytes)
        return std::nullopt;
    const std::optional<QString> stored = storedValue(*bytes);
    if (!stored)
        return std::nullopt;
    return decode(*stored).value_or(QString());
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
    removeLockThatHoldsNothing(lock, lockPath);
    if (!lock.tryLock(kLockWaitMilliseconds))
        return false;
    removeLeftovers();

    QByteArray bytes;
    if (state == StoreState::Usable) {
        const std::optional<QByteArray> current = storeBytes(m_filePath);
        if (!current || !storedValue(*current))
            return false;
        bytes = *current;
    }
    bytes = withStoredValue(bytes, encode(text).toLatin1());
    // A store grown past what is read back would be a record lost.
    if (bytes.size() > kMaxStoreBytes)
        return false;
    // A store reached through a link is written where the link leads.
    return writeFileWhole(linkEnd(m_filePath), bytes).isEmpty();
}

void ReminderRecord::removeLockThatHoldsNothing(QLockFile &lock, const QString &lockPath)
{
    // A lock that names no process (empty, cut short, not a lock) was left by a
    // writer that died between making it and filling it in; QLockFile would
    // wait for it to grow old. A writer fills its lock in at once, so one that
    // is still empty a second later is a leftover. QLockFile removes it only
    // when nobody holds it.
    qint64 pid = 0;
    QString host;
    QString application;
    const QFileInfo info(lockPath);
    if (info.isFile() && !lock.getLockInfo(&pid, &host, &application)
        && info.lastModified().msecsTo(QDateTime::currentDateTime()) >= 1000)
        lock.removeStaleLockFile();
}

void ReminderRecord::removeLeftovers() const
{
    // Copies of Palmora that keep the store through QSettings rewrite it
    // through a scratch copy beside it, named after the store with six
    // characters added, which QSettings locks in turn; one killed in between
    // leaves both behind. The store's lock is held here, so no writer of the
    // store is at work on them.
    for (const QString &suffix : {QString(), QStringLiteral(".lock")}) {
        for (const QFileInfo &entry : FileTrust::scratchLeftovers(m_filePath, suffix))
            QFile::remove(entry.absoluteFilePath());
    }
}

} // namespace palmora
