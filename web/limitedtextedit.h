#pragma once

#include <QPlainTextEdit>

#include <functional>

namespace palmora {

// A plain text box that refuses a paste or drop which would take its text past
// a limit, before the text is laid out: laying out a megabyte freezes the
// window for minutes. Typing is left to the owner, one character at a time.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LimitedTextEdit(QWidget *parent = nullptr);

    // Whether a text fits; everything fits until a check is set.
    void setFitCheck(std::function<bool(const QString &)> fits);

signals:
    // A paste or drop was refused; the text is as it was.
    void insertRefused();

protected:
    void insertFromMimeData(const QMimeData *source) override;

private:
    std::function<bool(const QString &)> m_fits;
};

} // namespace palmora
