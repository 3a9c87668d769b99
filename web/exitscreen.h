#pragma once

#include "web/referral.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ExitScreen;
}

namespace palmora {

class RandomSource;
class ReferralForm;

// The last window of a run: an appeal for the maker's forum, links to its pages
// and a form to refer a friend. Closing it by any route ends the program.
class ExitScreen : public QWidget {
    Q_OBJECT
public:
    explicit ExitScreen(RandomSource &random, QWidget *parent = nullptr);
    ~ExitScreen() override;

    // Which of the four appeals is on show.
    int appealIndex() const { return m_appealIndex; }
    // The fields as last submitted, trimmed.
    const ReferralFields &referralFields() const;

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
    ReferralForm *m_referral = nullptr;
    int m_appealIndex = 0;
    bool m_unloaded = false;
};

} // namespace palmora
