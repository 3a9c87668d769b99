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

    // The 32 x 32 picture of the box, from the icon files when they are there.
    static QPixmap iconPicture();

private:
    std::unique_ptr<Ui::AboutDialog> ui;
};

} // namespace palmora
