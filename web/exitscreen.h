#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ExitScreen;
}

namespace palmora {

class RandomSource;

// The last window of a run: an appeal for the maker's forum, links to its pages
// and a form to refer a friend. Closing it by any route ends the program.
class ExitScreen : public QWidget {
    Q_OBJECT
public:
    explicit ExitScreen(RandomSource &random, QWidget *parent = nullptr);
    ~ExitScreen() override;

signals:
    // The screen is closing ("E&xit", the close box or any other route).
    void unloading();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showIdentity();
    void showTexts(RandomSource &random);
    void applyLook();
    void visitSite(bool checked);

    std::unique_ptr<Ui::ExitScreen> ui;
    bool m_unloaded = false;
};

} // namespace palmora
