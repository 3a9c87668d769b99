#pragma once

#include <QPlainTextEdit>

#include <functional>

namespace palmora {

// A plain text box that refuses a paste or drop which would take its text past
// a limit, before the text is laid out: laying out a megabyte freezes the
// window for minutes. Typing is left to the owner, one character at a time,
// unless the box is asked to check typed text too.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LimitedTextEdit(QWidget *parent = nullptr);

    // Whether a text fits; everything fits until a check is set.
    void setFitCheck(std::function<bool(const QString &)> fits);
    // Whether typed text (keys and input methods) is checked as well.
    void setChecksTyping(bool checks);

signals:
    // An insertion was refused whole; the text is as it was.
    void insertRefused();

protected:
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // Whether `inserted`, put in place of the selection, keeps the text within
    // the limit; emits insertRefused() when it does not.
    bool admits(const QString &inserted);

    std::function<bool(const QString &)> m_fits;
    bool m_checksTyping = false;
};

} // namespace palmora
