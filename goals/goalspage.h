#pragma once

#include <QGroupBox>

#include <memory>

namespace Ui {
class GoalsPage;
}

namespace palmora {

// The "Goal" section: two goal notes kept in text files.
class GoalsPage : public QGroupBox
{
    Q_OBJECT
public:
    explicit GoalsPage(const QString &goalFolder, QWidget *parent = nullptr);
    ~GoalsPage() override;

    void load_goal_notes();

signals:
    void backToMainRequested();

private:
    std::unique_ptr<Ui::GoalsPage> ui;
    QString m_folder;
};

} // namespace palmora
