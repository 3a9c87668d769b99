#include "test/testoptionspage.h"

#include "ui_testoptionspage.h"

#include "app/theme.h"

#include <QButtonGroup>

namespace palmora {

TestOptionsPage::TestOptionsPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestOptionsPage>())
{
    ui->setupUi(this);
    Theme::styleSectionFrame(this);

    for (QLabel *caption :
         {ui->lblCaption_5, ui->lblCaption_6, ui->lblCaption_7, ui->lblCaption_8, ui->lblCaption_9})
        Theme::setColors(caption, Theme::kNavy);

    m_optTestOption = {ui->optTestOption_0, ui->optTestOption_1, ui->optTestOption_2};
    m_group = new QButtonGroup(this);
    for (int k = 0; k < static_cast<int>(m_optTestOption.size()); ++k) {
        Theme::setColors(m_optTestOption[k], Theme::kPurple);
        m_group->addButton(m_optTestOption[k], k);
    }

    connect(ui->cmdTestOptionNext, &QPushButton::clicked, this, &TestOptionsPage::startRequested);
    connect(ui->cmdBackToMain_2, &QPushButton::clicked, this, &TestOptionsPage::backToMainRequested);
}

TestOptionsPage::~TestOptionsPage() = default;

std::optional<TestMode> TestOptionsPage::selectedMode() const
{
    static constexpr std::array<TestMode, 3> kModes {TestMode::ByName, TestMode::BySignificance,
                                                     TestMode::ByLocationShape};
    for (int k = 0; k < static_cast<int>(m_optTestOption.size()); ++k) {
        if (m_optTestOption[k]->isChecked())
            return kModes[k];
    }
    return std::nullopt;
}

void TestOptionsPage::clearSelection()
{
    // An exclusive group never lets its last checked button go.
    m_group->setExclusive(false);
    for (QRadioButton *option : m_optTestOption)
        option->setChecked(false);
    m_group->setExclusive(true);
}

QPushButton *TestOptionsPage::cmdTestOptionNext() const
{
    return ui->cmdTestOptionNext;
}

QPushButton *TestOptionsPage::cmdBackToMain() const
{
    return ui->cmdBackToMain_2;
}

} // namespace palmora
