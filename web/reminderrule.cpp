#include "web/reminderrule.h"

namespace palmora {

namespace {
// The date in a stored text, or an invalid date when it does not hold one.
QDate reminderDateFromText(const QString &text)
{
    // Exactly ten characters: QDate would also take stray forms such as "2026-1-7".
    const QString trimmed = text.trimmed();
    if (trimmed.size() != 10)
        return {};
    return QDate::fromString(trimmed, Qt::ISODate);
}
} // namespace

ReminderAction reminderAction(const QString &storedText, const QDate &today)
{
    const QDate stored = reminderDateFromText(storedText);
    if (!stored.isValid())
        return ReminderAction::RecordToday;
    const qint64 days = today.daysTo(stored);
    if (days < -kReminderQuietDays || days > kReminderQuietDays)
        return ReminderAction::Ask;
    return ReminderAction::Silent;
}

QString reminderDateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

} // namespace palmora
