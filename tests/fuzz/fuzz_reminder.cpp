// Reads an arbitrary stored reminder record: decoding never crashes, a value
// that decodes is what was encoded, and the decision is always one of the three.
#include "web/reminderrecord.h"
#include "web/reminderrule.h"

#include <QDate>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString stored =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<QString> decoded = palmora::ReminderRecord::decode(stored);
    const QString plain = decoded.value_or(QString());
    if (palmora::ReminderRecord::decode(palmora::ReminderRecord::encode(plain)) != plain)
        std::abort();

    const QDate today(2026, 12, 7);
    const palmora::ReminderAction action = palmora::reminderAction(plain, today);
    const QDate date = palmora::reminderDateFromText(plain);
    if (!date.isValid() && action != palmora::ReminderAction::RecordToday)
        std::abort(); // an unreadable record is treated as a first run
    if (date.isValid() && qAbs(today.daysTo(date)) <= 14 && action != palmora::ReminderAction::Silent)
        std::abort();
    return 0;
}
