#pragma once

#include <QLabel>
#include <QTextDocument>

namespace palmora {

// A word-wrapped label of plain text that the user can select with the mouse
// and copy, and that is quick to show one text after another.
//
// A layout asks a label for its size hints and its height for a width many
// times over while it settles. A label whose text can be selected keeps it in a
// text document and answers each question by laying the whole text out again,
// twice, and lays it out again for every font and option it is given; for a
// paragraph or two that was most of the cost of showing them. This label
// measures on a copy of the text of its own and keeps the answers until the
// text, font or style changes; and its text becomes selectable only when the
// pointer comes over it, so a text shown and never touched is drawn from that
// copy, as it was measured.

class WrappedLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappedLabel(QWidget *parent = nullptr);

    // Shows a new text; it is selectable again once the pointer is over it.
    void showText(const QString &text);

    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Forgets the answers when the text is no longer the one they were for.
    void checkText() const;
    void forget() const;
    // Space around the text that is not the text's.
    QSize extra() const;

    mutable QString m_measuredText;
    mutable QTextDocument m_measure;
    mutable QList<QPair<int, int>> m_heights;
    mutable QSize m_sizeHint;
    mutable QSize m_minimumSizeHint;
};

} // namespace palmora
