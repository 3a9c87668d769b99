#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class FrmAbout;
}

namespace palmora {

// Names the program and its version, describes it and links to the maker's
// site. Shown modally; a fresh one each time, so it keeps nothing between showings.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);
    ~FrmAbout() override;

    // The 32 x 32 picture of the box, from the icon files when they are there.
    static QPixmap iconPicture();

private:
    std::unique_ptr<Ui::FrmAbout> ui;
};

} // namespace palmora
