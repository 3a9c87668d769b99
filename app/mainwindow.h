#pragma once

#include "content/picturelist.h"
#include "content/topiccatalogue.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAbstractButton;
class QGroupBox;
class QKeyEvent;
class QPushButton;
class QRadioButton;

namespace Ui {
class MainWindow;
}

namespace palmora {

struct Environment;
class GoalsPage;
class SelfTest;
class TopicBrowser;

// The program's one working window: a start page and five section frames stacked
// in one place, two link labels and the menu bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The frames stacked in the window, in the order the activity choices name
    // the first three.
    enum class Section { TopicBrowser, TestOptions, Goals, TestQuestion, TestResult, StartPage };
    Q_ENUM(Section)
    static constexpr int kSectionCount = 6;

    // Builds the window and runs its load handler: goal notes, catalogue, first
    // topic, start page.
    explicit MainWindow(const Environment &env, QWidget *parent = nullptr);
    ~MainWindow() override;

    void showSection(Section section);
    // The frame in front.
    Section currentSection() const;
    QGroupBox *sectionFrame(Section section) const
    {
        return m_sections.at(static_cast<std::size_t>(section));
    }

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onProceedClicked();
    void showStartPage();
    QAbstractButton *pageButtonForAccessKey(const QKeyEvent *key) const;

    std::unique_ptr<Ui::MainWindow> ui;
    TopicCatalogue m_catalogue;
    PictureList m_pictures;
    TopicBrowser *m_browser = nullptr;
    GoalsPage *m_goals = nullptr;
    SelfTest *m_selfTest = nullptr;
    std::array<QGroupBox *, kSectionCount> m_sections {};
    std::array<QRadioButton *, 3> m_activityChoices {};
    bool m_unloaded = false;
};

} // namespace palmora
