#include "web/limitedtextedit.h"

#include <QMimeData>
#include <QTextCursor>

namespace palmora {

LimitedTextEdit::LimitedTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

void LimitedTextEdit::setFitCheck(std::function<bool(const QString &)> fits)
{
    m_fits = std::move(fits);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (m_fits && source && source->hasText()) {
        // The text as it would be: the selection replaced by what comes in.
        const QTextCursor cursor = textCursor();
        QString after = toPlainText();
        after.replace(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(),
                      source->text());
        if (!m_fits(after)) {
            emit insertRefused();
            return;
        }
    }
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace palmora
