#include "selftest/testoptionspage.h"

#include "ui_testoptionspage.h"

#include "common/palmorastyle.h"
#include "common/theme.h"

#include <QButtonGroup>

namespace palmora {

TestOptionsPage::TestOptionsPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestOptionsPage>())
{
    ui->setupUi(this);
    PalmoraStyle::markSectionFrame(this);

    for (QLabel *caption : {ui->prepareLabel, ui->instructionLabel, ui->byNameHint, ui->bySignificanceHint,
                            ui->byLocationShapeHint})
        Theme::setColors(caption, Theme::kNavy);

    m_modeChoices = {ui->byNameChoice, ui->bySignificanceChoice, ui->byLocationShapeChoice};
    m_group = new QButtonGroup(this);
    for (int k = 0; k < static_cast<int>(m_modeChoices.size()); ++k) {
        Theme::setColors(m_modeChoices[k], Theme::kPurple);
        m_group->addButton(m_modeChoices[k], k);
    }

    connect(ui->startTestButton, &QPushButton::clicked, this, &TestOptionsPage::startRequested);
    connect(ui->backToMainButton, &QPushButton::clicked, this, &TestOptionsPage::backToMainRequested);
}

TestOptionsPage::~TestOptionsPage() = default;

std::optional<TestMode> TestOptionsPage::selectedMode() const
{
    static constexpr std::array<TestMode, 3> kModes {TestMode::ByName, TestMode::BySignificance,
                                                     TestMode::ByLocationShape};
    for (int k = 0; k < static_cast<int>(m_modeChoices.size()); ++k) {
        if (m_modeChoices[k]->isChecked())
            return kModes[k];
    }
    return std::nullopt;
}

void TestOptionsPage::clearSelection()
{
    // An exclusive group never lets its last checked button go.
    m_group->setExclusive(false);
    for (QRadioButton *option : m_modeChoices)
        option->setChecked(false);
    m_group->setExclusive(true);
}

} // namespace palmora
