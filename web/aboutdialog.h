#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}

namespace palmora {

// Names the program and its version, describes it and links to the maker's
// site. Shown modally; a fresh one each time, so it keeps nothing between showings.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

private:
    // The 32 x 32 picture of the box, from the icon files when they are there;
    // for a device pixel ratio above 1, drawn at 64 x 64 to fill the same space.
    static QPixmap iconPicture(qreal devicePixelRatio = 1.0);

    std::unique_ptr<Ui::AboutDialog> ui;
};

} // namespace palmora
