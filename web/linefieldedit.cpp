#include "web/linefieldedit.h"

#include <QLineEdit>

namespace palmora {

LineFieldEdit::LineFieldEdit(QLineEdit *edit, ReferralField kind)
    : ReferralFieldEdit(edit, kind)
    , m_edit(edit)
{
    connect(edit, &QLineEdit::textChanged, this, &LineFieldEdit::checkLimit);
    connect(edit, &QLineEdit::cursorPositionChanged, this, &LineFieldEdit::noteCursorMoved);
}

QString LineFieldEdit::text() const
{
    return m_edit->text();
}

void LineFieldEdit::setText(const QString &text)
{
    m_edit->setText(text);
}

int LineFieldEdit::cursorPosition() const
{
    return m_edit->cursorPosition();
}

void LineFieldEdit::setCursorPosition(int position)
{
    m_edit->setCursorPosition(position);
}

} // namespace palmora
