#include "web/referralfieldedit.h"

#include "ui/messagebox.h"
#include "web/placeholderrule.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace palmora {

ReferralFieldEdit::ReferralFieldEdit(QWidget *control, ReferralField kind)
    : QObject(control)
    , m_control(control)
    , m_kind(kind)
{
    control->installEventFilter(this);
}

void ReferralFieldEdit::reset(const QString &text)
{
    setText(text);
    m_accepted = text;
    m_acceptedCursor = cursorPosition();
}

void ReferralFieldEdit::checkLimit()
{
    const QString now = text();
    if (fitsReferralField(m_kind, now)) {
        m_accepted = now;
        m_acceptedCursor = cursorPosition();
        return;
    }
    // The field is put back after the edit under way has finished with it.
    if (!m_refusalPending) {
        m_refusalPending = true;
        QMetaObject::invokeMethod(this, &ReferralFieldEdit::refuseOverfill, Qt::QueuedConnection);
    }
}

void ReferralFieldEdit::noteCursorMoved()
{
    // Moves that come with an edit are recorded by checkLimit(), once the edit
    // is known to fit.
    if (!m_refusalPending && text() == m_accepted)
        m_acceptedCursor = cursorPosition();
}

bool ReferralFieldEdit::refusePendingOverfill()
{
    if (!m_refusalPending)
        return false;
    refuseOverfill();
    return true;
}

void ReferralFieldEdit::refuseOverfill()
{
    if (!m_refusalPending)
        return; // already made
    m_refusalPending = false;
    if (fitsReferralField(m_kind, text()))
        return;
    const int cursor = m_acceptedCursor;
    setText(m_accepted);
    setCursorPosition(cursor);
    complain(referralFieldFullText(m_kind));
}

void ReferralFieldEdit::complain(const QString &text)
{
    MessageBox::critical(m_control->window(), text);
    m_control->setFocus();
}

bool ReferralFieldEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Switching to another window or opening a menu or message box leaves
        // the focus where it was: only a real move between fields counts.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const QString placeholder = referralPlaceholder(m_kind);
        if (event->type() == QEvent::FocusIn && clearsOnFocus(text(), placeholder))
            setText(QString());
        else if (event->type() == QEvent::FocusOut && showsPlaceholderOnLeave(text()))
            setText(placeholder);
        break;
    }
    case QEvent::KeyPress: {
        const bool emailField = m_kind == ReferralField::SenderEmail || m_kind == ReferralField::FriendEmail;
        if (emailField && static_cast<QKeyEvent *>(event)->text() == QLatin1String(" ")) {
            complain(tr("Email Address Cannot Contain Space"));
            return true; // the space never reaches the text
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace palmora
