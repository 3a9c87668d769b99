#include "goals/goalspage.h"

#include "ui_goalspage.h"

#include "app/theme.h"

namespace palmora {

GoalsPage::GoalsPage(const QString &goalFolder, QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::GoalsPage>())
    , m_folder(goalFolder)
{
    ui->setupUi(this);
    Theme::styleSectionFrame(this);
    Theme::setPointSize(ui->cmdBackToMain_1, 9.75);
    connect(ui->cmdBackToMain_1, &QPushButton::clicked, this, &GoalsPage::backToMainRequested);
}

GoalsPage::~GoalsPage() = default;

void GoalsPage::load_goal_notes()
{
}

} // namespace palmora
