#include "test/testquestionpage.h"

#include "ui_testquestionpage.h"

#include "app/theme.h"
#include "test/wrappingradiobutton.h"

#include <QButtonGroup>
#include <QPixmap>

namespace palmora {

TestQuestionPage::TestQuestionPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestQuestionPage>())
{
    ui->setupUi(this);
    // A neutral name: the picture must not read out the answer.
    ui->picTest->setAccessibleName(tr("Question picture"));
    Theme::styleSectionFrame(this);
    Theme::setColors(ui->lblName, Theme::kPurple);

    m_option = {ui->Option1_0, ui->Option1_1, ui->Option1_2, ui->Option1_3, ui->Option1_4};
    m_group = new QButtonGroup(this);
    for (int k = 0; k < kOptionCount; ++k) {
        Theme::setColors(m_option[k], Theme::kNavy);
        m_group->addButton(m_option[k], k);
    }

    connect(ui->cmdNextQuestion, &QPushButton::clicked, this, &TestQuestionPage::nextQuestionRequested);
}

TestQuestionPage::~TestQuestionPage() = default;

void TestQuestionPage::showQuestion(const QString &name, bool nameVisible, const QImage &picture,
                                    const std::array<QString, kOptionCount> &optionTexts)
{
    ui->lblName->setText(name);
    ui->lblName->setVisible(nameVisible);
    // Drawn at its own size from the top-left corner; a missing picture leaves
    // the box empty and the question goes on.
    ui->picTest->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    for (int k = 0; k < kOptionCount; ++k) {
        m_option[k]->setText(optionTexts[k]);
        m_option[k]->update();
    }
}

int TestQuestionPage::selectedOption() const
{
    for (int k = 0; k < kOptionCount; ++k) {
        if (m_option[k]->isChecked())
            return k;
    }
    return -1;
}

QString TestQuestionPage::optionText(int k) const
{
    return m_option.at(k)->text();
}

void TestQuestionPage::clearSelection()
{
    m_group->setExclusive(false);
    for (WrappingRadioButton *option : m_option)
        option->setChecked(false);
    m_group->setExclusive(true);
}

QLabel *TestQuestionPage::lblName() const
{
    return ui->lblName;
}

QLabel *TestQuestionPage::picTest() const
{
    return ui->picTest;
}

QPushButton *TestQuestionPage::cmdNextQuestion() const
{
    return ui->cmdNextQuestion;
}

} // namespace palmora
