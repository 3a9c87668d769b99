#include "web/messagefieldedit.h"

#include "common/lineends.h"
#include "ui/limitedtextedit.h"
#include "ui/messagebox.h"

#include <QTextDocument>

namespace palmora {

MessageFieldEdit::MessageFieldEdit(LimitedTextEdit *edit)
    : ReferralFieldEdit(edit, ReferralField::Message)
    , m_edit(edit)
{
    edit->setFitCheck([](const QString &text) { return fitsReferralField(ReferralField::Message, text); });
    connect(edit, &LimitedTextEdit::insertRefused, this, [edit] {
        MessageBox::critical(edit->window(), referralFieldFullText(ReferralField::Message));
        edit->setFocus();
    });
    connect(edit, &QPlainTextEdit::textChanged, this, &MessageFieldEdit::checkLimit);
    connect(edit, &QPlainTextEdit::cursorPositionChanged, this, &MessageFieldEdit::noteCursorMoved);
}

QString MessageFieldEdit::text() const
{
    // The raw text keeps no-break spaces, which toPlainText() would turn into
    // spaces; the referral page expects Windows line ends.
    return toCrLf(m_edit->document()->toRawText());
}

void MessageFieldEdit::setText(const QString &text)
{
    m_edit->setPlainText(toLineFeeds(text));
}

int MessageFieldEdit::cursorPosition() const
{
    return m_edit->textCursor().position();
}

void MessageFieldEdit::setCursorPosition(int position)
{
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(qMin(position, m_edit->document()->characterCount() - 1));
    m_edit->setTextCursor(cursor);
}

} // namespace palmora
