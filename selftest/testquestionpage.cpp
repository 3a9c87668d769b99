#include "selftest/testquestionpage.h"

#include "ui_testquestionpage.h"

#include "common/theme.h"
#include "selftest/wrappingradiobutton.h"

#include <QButtonGroup>
#include <QPixmap>

namespace palmora {

TestQuestionPage::TestQuestionPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestQuestionPage>())
{
    ui->setupUi(this);
    // A neutral name: the picture must not read out the answer.
    ui->questionPicture->setAccessibleName(tr("Question picture"));
    Theme::styleSectionFrame(this);
    Theme::setColors(ui->questionNameLabel, Theme::kPurple);

    m_option = {ui->firstAnswer, ui->secondAnswer, ui->thirdAnswer, ui->fourthAnswer, ui->fifthAnswer};
    m_group = new QButtonGroup(this);
    for (int k = 0; k < kOptionCount; ++k) {
        Theme::setColors(m_option[k], Theme::kNavy);
        m_group->addButton(m_option[k], k);
    }

    connect(ui->nextQuestionButton, &QPushButton::clicked, this, &TestQuestionPage::nextQuestionRequested);
}

TestQuestionPage::~TestQuestionPage() = default;

void TestQuestionPage::showQuestion(const QString &name, bool nameVisible, const QImage &picture,
                                    const std::array<QString, kOptionCount> &optionTexts)
{
    ui->questionNameLabel->setText(name);
    ui->questionNameLabel->setVisible(nameVisible);
    // Drawn at its own size from the top-left corner; a missing picture leaves
    // the box empty and the question goes on.
    ui->questionPicture->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
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

QLabel *TestQuestionPage::nameLabel() const
{
    return ui->questionNameLabel;
}

QLabel *TestQuestionPage::pictureLabel() const
{
    return ui->questionPicture;
}

QPushButton *TestQuestionPage::nextQuestionButton() const
{
    return ui->nextQuestionButton;
}

} // namespace palmora
