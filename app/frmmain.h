#pragma once

#include "content/picturelist.h"
#include "content/topiccatalogue.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace Ui {
class FrmMain;
}

namespace palmora {

struct Environment;
class GoalsPage;
class SelfTest;
class TopicBrowser;

// The program's one working window: a start page and five section frames stacked
// in one place, two link labels and the menu bar.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Section frames, by their index in fraOption.
    static constexpr int kTopicBrowser = 0;
    static constexpr int kTestOptions = 1;
    static constexpr int kGoals = 2;
    static constexpr int kTestQuestion = 3;
    static constexpr int kTestResult = 4;
    static constexpr int kStartPage = 5;

    // Builds the window and runs its load handler: goal notes, catalogue, first
    // topic, start page.
    explicit FrmMain(const Environment &env, QWidget *parent = nullptr);
    ~FrmMain() override;

    void show_section(int k);
    // Index of the frame in front.
    int currentSection() const;
    QGroupBox *fraOption(int k) const { return m_fraOption.at(k); }

    TopicCatalogue &catalogue() { return m_catalogue; }
    TopicBrowser *topicBrowser() const { return m_browser; }
    GoalsPage *goalsPage() const { return m_goals; }
    SelfTest *selfTest() const { return m_selfTest; }

signals:
    // The window is being closed (close box, File > Exit or any other route).
    void unloading();
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdProceed_Click();
    void cmdBackToMain_Click(int index);

    std::unique_ptr<Ui::FrmMain> ui;
    TopicCatalogue m_catalogue;
    PictureList m_pictures;
    TopicBrowser *m_browser = nullptr;
    GoalsPage *m_goals = nullptr;
    SelfTest *m_selfTest = nullptr;
    std::array<QGroupBox *, 6> m_fraOption {};
    std::array<QRadioButton *, 3> m_optOption {};
    bool m_unloaded = false;
};

} // namespace palmora
