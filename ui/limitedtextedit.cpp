#include "ui/limitedtextedit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
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

void LimitedTextEdit::setChecksTyping(bool checks)
{
    m_checksTyping = checks;
}

bool LimitedTextEdit::admits(const QString &inserted)
{
    if (!m_fits)
        return true;
    // The text as it would be: the selection replaced by what comes in.
    const QTextCursor cursor = textCursor();
    QString after = toPlainText();
    after.replace(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(), inserted);
    if (m_fits(after))
        return true;
    emit insertRefused();
    return false;
}

void LimitedTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && !admits(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

void LimitedTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_checksTyping && !isReadOnly()) {
        QString typed;
        if (event->matches(QKeySequence::InsertParagraphSeparator)
            || event->matches(QKeySequence::InsertLineSeparator))
            typed = QStringLiteral("\n");
        else if (!event->text().isEmpty()
                 && (event->text().at(0).isPrint() || event->text().at(0) == QLatin1Char('\t')))
            typed = event->text();
        if (!typed.isEmpty() && !admits(typed)) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (m_checksTyping && !isReadOnly() && !event->commitString().isEmpty()
        && !admits(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

} // namespace palmora
