#pragma once

#include "record/resulthistory.h"
#include "selftest/testsheet.h"

#include <QGroupBox>

#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QRadioButton;

namespace Ui {
class TestOptionsPage;
}

namespace palmora {

// "Test Options": the choice of test kind before a test starts.
class TestOptionsPage : public QGroupBox {
    Q_OBJECT
public:
    explicit TestOptionsPage(QWidget *parent = nullptr);
    ~TestOptionsPage() override;

    // The first selected kind, in screen order; none when nothing is selected.
    std::optional<TestMode> selectedMode() const;
    // No kind selected, so that one must be chosen again.
    void clearSelection();

    // The last results, newest first, under the kinds; `results` oldest first.
    void showResults(const QList<FinishedTest> &results);
    // Says, in the results' place, why there are none to show.
    void showResultsNote(const QString &note);

signals:
    void startRequested();
    void weakestTestRequested();
    void progressRequested();
    void backToMainRequested();

protected:
    // Puts the focus on the selected kind, or on the first when none is.
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TestOptionsPage> ui;
    std::array<QRadioButton *, 3> m_modeChoices {};
    QButtonGroup *m_group = nullptr;
};

} // namespace palmora
