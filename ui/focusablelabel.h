#pragma once

#include <QLabel>

namespace palmora {

// A label of text worth reaching with the keyboard (a list of results, say): a
// Tab stop, so that a screen reader reads it when the focus comes to it, with
// the dotted focus ring round it while it has the focus. It takes no focus
// from a click.
class FocusableLabel : public QLabel {
    Q_OBJECT
public:
    explicit FocusableLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace palmora
