#include "web/updatereminder.h"

#include "ui/messagebox.h"
#include "web/reminderrecord.h"
#include "web/reminderrule.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QCoreApplication>

namespace palmora {

namespace {
// The translators' context of the reminder's texts.
class UpdateReminder {
    Q_DECLARE_TR_FUNCTIONS(UpdateReminder)
};

// The question, with a lone carriage return between its two sentences.
QString updateReminderQuestion()
{
    return UpdateReminder::tr("There maybe an update to this software available") + QLatin1Char('\r')
        + UpdateReminder::tr("Do you want to check for an update?");
}
} // namespace

void runUpdateReminder(ReminderRecord &record, const QDate &today)
{
    if (!today.isValid())
        return;
    // A store that cannot be read ends the reminder: asking would come back on
    // every start, and writing could replace what the store holds.
    const std::optional<QString> stored = record.load();
    if (!stored)
        return;
    switch (reminderAction(*stored, today)) {
    case ReminderAction::Silent:
        return;
    case ReminderAction::RecordToday:
        record.write(reminderDateText(today));
        return;
    case ReminderAction::Ask:
        break;
    }
    // Today is recorded before the question: a store that takes no record (full,
    // read-only, at its size bound) would otherwise bring the question back at
    // every start. Such a store is not asked about at all.
    if (!record.write(reminderDateText(today)))
        return;
    const MessageBox::Answer answer = MessageBox::question(nullptr, updateReminderQuestion());
    if (answer == MessageBox::Answer::Yes)
        openSitePage(PageKey::DownloadWebPage);
}

} // namespace palmora
