#pragma once

#include <QDate>
#include <QString>

// When the start-up reminder about a newer version speaks up. Pure rules: the
// store and the question live elsewhere.
namespace palmora {

enum class ReminderAction {
    Silent, // the last prompt is recent: leave the record alone
    RecordToday, // nothing usable on record: write today, ask nothing
    Ask, // ask the user, then write today whatever the answer
};

// Days either side of the stored date within which the reminder stays quiet.
inline constexpr int kReminderQuietDays = 14;

// Decides from the stored date text and today's date. An empty or unreadable
// record counts as a first run, so a damaged record can never silence the
// reminder for good.
ReminderAction reminderAction(const QString &storedText, const QDate &today);

// The stored form of a date: ISO yyyy-MM-dd, independent of the user's locale.
QString reminderDateText(const QDate &date);

} // namespace palmora
