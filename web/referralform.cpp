#include "web/referralform.h"

#include "ui/messagebox.h"
#include "web/linefieldedit.h"
#include "web/messagefieldedit.h"
#include "web/weblauncher.h"

#include <QPushButton>

namespace palmora {

ReferralForm::ReferralForm(const ReferralControls &controls, QObject *parent)
    : QObject(parent)
    , m_window(controls.referButton->window())
{
    m_edits = {new LineFieldEdit(controls.senderName, ReferralField::SenderName),
               new LineFieldEdit(controls.senderEmail, ReferralField::SenderEmail),
               new MessageFieldEdit(controls.message),
               new LineFieldEdit(controls.friendName, ReferralField::FriendName),
               new LineFieldEdit(controls.friendEmail, ReferralField::FriendEmail)};
    // Every field starts at its placeholder. The message field carries its
    // first text, line end included, into the referral, even where it is out
    // of sight and out of the Tab order (as on the exit screen).
    for (ReferralFieldEdit *edit : m_edits) {
        const bool message = edit->kind() == ReferralField::Message;
        edit->reset(referralPlaceholder(edit->kind()) + (message ? QStringLiteral("\r\n") : QString()));
    }

    connect(controls.referButton, &QPushButton::clicked, this, &ReferralForm::referFriend);
}

void ReferralForm::referFriend()
{
    // A refusal still on its way is made before the fields are read.
    for (ReferralFieldEdit *edit : m_edits) {
        if (edit->refusePendingOverfill())
            return;
    }
    submit(trimmedFields({m_edits[0]->text(), m_edits[1]->text(), m_edits[2]->text(), m_edits[3]->text(),
                          m_edits[4]->text()}));
}

void ReferralForm::submit(const ReferralFields &fields)
{
    const ReferralProblem problem = referralProblem(fields);
    if (problem != ReferralProblem::None) {
        MessageBox::critical(m_window, referralProblemText(problem));
        return;
    }
    openWebPage(referralAddress(fields));
}

} // namespace palmora
