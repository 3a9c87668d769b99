#pragma once

#include "web/referral.h"

#include <QObject>

class QWidget;

namespace palmora {

// One field of the referral form, whatever control shows it. It shows the
// field's placeholder while it holds no entry, refuses text that would take it
// past the field's limit (whole, once the edit that brought it is done, telling
// the user the limit), and in an e-mail field refuses a typed space. A subclass
// reaches its kind of control; it belongs to the control.
class ReferralFieldEdit : public QObject {
    Q_OBJECT
public:
    ReferralFieldEdit(QWidget *control, ReferralField kind);

    ReferralField kind() const { return m_kind; }
    // The text as the referral carries it, line ends CR LF.
    virtual QString text() const = 0;
    // Puts `text` in the field as its accepted content.
    void reset(const QString &text);
    // Makes a refusal that is still on its way; false when none was.
    bool refusePendingOverfill();

protected:
    virtual void setText(const QString &text) = 0;
    virtual int cursorPosition() const = 0;
    virtual void setCursorPosition(int position) = 0;
    // Called by the subclass whenever the control's text changed.
    void checkLimit();
    // Called by the subclass whenever the control's cursor moved: a refused
    // edit puts the cursor back where the user last left it.
    void noteCursorMoved();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refuseOverfill();
    // Shows an error over the form and gives the field the focus again.
    void complain(const QString &text);

    QWidget *m_control;
    ReferralField m_kind;
    // The text last seen within the field's limit, and its cursor.
    QString m_accepted;
    int m_acceptedCursor = 0;
    bool m_refusalPending = false;
};

} // namespace palmora
