#pragma once

#include "web/referralfieldedit.h"

namespace palmora {

class LimitedTextEdit;

// The referral's message, in a text box of several lines. A paste or drop
// past the limit is refused by the box itself, before it is laid out.
class MessageFieldEdit final : public ReferralFieldEdit {
    Q_OBJECT
public:
    explicit MessageFieldEdit(LimitedTextEdit *edit);

    QString text() const override;

protected:
    void setText(const QString &text) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;

private:
    LimitedTextEdit *m_edit;
};

} // namespace palmora
