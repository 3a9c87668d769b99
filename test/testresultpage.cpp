#include "test/testresultpage.h"

#include "ui_testresultpage.h"

#include "app/theme.h"

namespace palmora {

TestResultPage::TestResultPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestResultPage>())
{
    ui->setupUi(this);
    Theme::styleSectionFrame(this);
}

TestResultPage::~TestResultPage() = default;

} // namespace palmora
