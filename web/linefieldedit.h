#pragma once

#include "web/referralfieldedit.h"

class QLineEdit;

namespace palmora {

// A referral field in a one-line box: a name or an e-mail address.
class LineFieldEdit final : public ReferralFieldEdit {
    Q_OBJECT
public:
    LineFieldEdit(QLineEdit *edit, ReferralField kind);

    QString text() const override;

protected:
    void setText(const QString &text) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;

private:
    QLineEdit *m_edit;
};

} // namespace palmora
