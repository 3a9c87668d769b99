#include "web/updatereminder.h"

#include "app/messagebox.h"
#include "web/reminderrecord.h"
#include "web/reminderrule.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QCoreApplication>

namespace palmora {

QString update_reminder_question()
{
    return QCoreApplication::translate("palmora::UpdateReminder",
                                       "There maybe an update to this software available")
        + QLatin1Char('\r')
        + QCoreApplication::translate("palmora::UpdateReminder", "Do you want to check for an update?");
}

void update_reminder(ReminderRecord &record, const QDate &today)
{
    if (!today.isValid())
        return;
    switch (reminder_action(record.read(), today)) {
    case ReminderAction::Silent:
        return;
    case ReminderAction::RecordToday:
        record.write(reminder_date_text(today));
        return;
    case ReminderAction::Ask:
        break;
    }
    const MessageBox::Answer answer = MessageBox::question(nullptr, update_reminder_question());
    // The record is written before the page opens. A store that refuses the
    // write only means the question comes again next time; the user's Yes
    // still opens the page.
    record.write(reminder_date_text(today));
    if (answer == MessageBox::Answer::Yes)
        open_site_page(PageKey::DownloadWebPage);
}

} // namespace palmora
