#include "web/reminderrecord.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace palmora {

namespace {
constexpr char kOrganization[] = "Palmora";
constexpr auto kBase64Options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
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
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kOrganization),
                             applicationName());
    return settings.fileName();
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

QString ReminderRecord::read() const
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    settings.beginGroup(sectionName());
    const QString stored = settings.value(storedKeyName()).toString();
    return decode(stored).value_or(QString());
}

bool ReminderRecord::write(const QString &text)
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (!settings.isWritable())
        return false;
    settings.beginGroup(sectionName());
    settings.setValue(storedKeyName(), encode(text));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace palmora
