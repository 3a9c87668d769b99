#include "test/testoptionspage.h"

#include "ui_testoptionspage.h"

#include "app/theme.h"

namespace palmora {

TestOptionsPage::TestOptionsPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestOptionsPage>())
{
    ui->setupUi(this);
    Theme::styleSectionFrame(this);
}

TestOptionsPage::~TestOptionsPage() = default;

} // namespace palmora
