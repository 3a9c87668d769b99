#pragma once

#include "web/referral.h"

#include <QObject>

#include <array>

class QLineEdit;
class QPushButton;

namespace palmora {

class LimitedTextEdit;
class ReferralFieldEdit;

// The controls of the friend referral, as a form lays them out.
struct ReferralControls {
    QLineEdit *senderName;
    QLineEdit *senderEmail;
    LimitedTextEdit *message;
    QLineEdit *friendName;
    QLineEdit *friendEmail;
    QPushButton *referButton;
};

// The friend referral: five fields that start at their placeholders, and a
// button that checks them and hands the referral to the browser, or tells the
// user the first thing to put right. The form stays as it is either way.
class ReferralForm : public QObject {
    Q_OBJECT
public:
    ReferralForm(const ReferralControls &controls, QObject *parent);

private:
    void referFriend();
    void submit(const ReferralFields &fields);

    // In the order of the address.
    std::array<ReferralFieldEdit *, 5> m_edits {};
    QWidget *m_window;
};

} // namespace palmora
