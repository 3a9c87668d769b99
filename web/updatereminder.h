#pragma once

#include <QDate>
#include <QString>

namespace palmora {

class ReminderRecord;

// Once per start-up, at most every fifteen days, offers to open the download
// page. Returns when done, whatever the user answered or the store allowed; a
// store that cannot be read ends it at once, untouched.
void runUpdateReminder(ReminderRecord &record, const QDate &today);

} // namespace palmora
