#include "test/testquestionpage.h"

#include "ui_testquestionpage.h"

#include "app/theme.h"

namespace palmora {

TestQuestionPage::TestQuestionPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestQuestionPage>())
{
    ui->setupUi(this);
    Theme::styleSectionFrame(this);
}

TestQuestionPage::~TestQuestionPage() = default;

} // namespace palmora
