#pragma once

#include "content/picturelist.h"
#include "content/topiccatalogue.h"
#include "goals/goalnotes.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class QAbstractButton;
class QButtonGroup;
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
class RandomSource;
class ResultStore;
class SelfTest;
class TopicBrowser;

// The program's one working window: a start page and six section frames stacked
// in one place, two link labels and the menu bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The frames stacked in the window, in the order the activity choices name
    // the first three.
    enum class Section { TopicBrowser, TestOptions, Goals, TestQuestion, TestResult, Progress, StartPage };
    Q_ENUM(Section)
    static constexpr int kSectionCount = 7;

    // Builds the window and runs its load handler: goal notes, catalogue, start
    // page. A section's frame is built the first time it is asked for; the
    // topic browser then opens at the first topic.
    explicit MainWindow(const Environment &env, QWidget *parent = nullptr);
    ~MainWindow() override;

    void showSection(Section section);
    // The frame in front.
    Section currentSection() const;

    const TopicCatalogue &catalogue() const { return m_catalogue; }
    TopicBrowser *topicBrowser();
    GoalsPage *goalsPage();
    SelfTest *selfTest();

signals:
    // The window is being closed (close box, File > Exit or any other route).
    void unloading();
    void aboutRequested();
    // The File menu has been drawn: the user may be on the way out.
    void fileMenuShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onProceedClicked();
    void showStartPage();
    QAbstractButton *pageButtonForAccessKey(const QKeyEvent *key) const;

    QGroupBox *sectionFrame(Section section);
    void addSection(Section section, QGroupBox *frame);
    // Builds a section ahead of its first showing.
    void prepareSection(Section section);

    std::unique_ptr<Ui::MainWindow> ui;
    const TopicCatalogue m_catalogue;
    PictureList m_pictures;
    std::shared_ptr<RandomSource> m_random;
    // The kept results, shared by the self-test and the topic browser; none
    // when results are not kept.
    std::shared_ptr<ResultStore> m_results;
    // Loaded at start-up; the goals page takes them when it is built.
    std::optional<GoalNotes> m_goalNotes;
    TopicBrowser *m_browser = nullptr;
    GoalsPage *m_goals = nullptr;
    SelfTest *m_selfTest = nullptr;
    std::array<QGroupBox *, kSectionCount> m_sections {};
    std::array<QRadioButton *, 3> m_activityChoices {};
    QButtonGroup *m_activities = nullptr;
    bool m_unloaded = false;
};

} // namespace palmora
